/*
    AAX_IDma: direct memory access of an algorithm instance. Only its transfer modes are used
    during description.
*/
#pragma once

class AAX_IDma
{
public:
    enum EMode
    {
        eMode_Error = 0,
        eMode_Burst = 1,
        eMode_Gather = 2,
        eMode_Scatter = 3
    };

    virtual ~AAX_IDma() = default;
};
