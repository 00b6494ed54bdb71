/*
    Host-side definition interfaces: the attribute store behind a plug-in definition, a component
    definition and the host's own definition object.
*/
#pragma once

#include "IACFUnknown.h"

// Attributes are typed blobs keyed by identifier; the library only passes these objects along.
class IACFDefinition : public IACFUnknown
{
public:
    virtual acfResult DefineAttribute (const acfUID& attributeID, const acfUID& typeID, const void* data,
                                       acfUInt32 dataSize) = 0;                                              // entry 3
    virtual acfResult GetAttributeInfo (const acfUID& attributeID, acfUID* typeID, acfUInt32* dataSize) = 0; // entry 4
    virtual acfResult CopyAttribute (const acfUID& attributeID, const acfUID& typeID, void* data,
                                     acfUInt32 dataSize) = 0;                                                // entry 5
    virtual acfResult GetAttribute (const acfUID& attributeID, const acfUID& typeID, const void** data) = 0; // entry 6

protected:
    ~IACFDefinition() = default;
};

class IACFPluginDefinition : public IACFDefinition
{
protected:
    ~IACFPluginDefinition() = default;
};

class IACFComponentDefinition : public IACFDefinition
{
protected:
    ~IACFComponentDefinition() = default;
};
