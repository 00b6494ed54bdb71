/*
    AAX_IMIDINode: a MIDI node of an algorithm context. Nothing here reads MIDI; only the type
    is needed to describe context fields.
*/
#pragma once

class AAX_IMIDINode
{
public:
    virtual ~AAX_IMIDINode() = default;
};
