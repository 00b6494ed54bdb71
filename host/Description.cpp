/*
    Printing of a received description: readable text for people, JSON for tools and tests.
*/
#include "Description.h"

#include "AAX_Enums.h"

#include <nlohmann/json.hpp>

#include <cctype>
#include <cstdio>
#include <sstream>

namespace duveline::host
{
namespace
{
std::string Hex (uint64_t value, int digits)
{
    char text[32];
    std::snprintf (text, sizeof (text), "0x%0*llX", digits, static_cast<unsigned long long> (value));
    return text;
}

std::string ProcPtrName (uint32_t id)
{
    switch (id)
    {
    case kAAX_ProcPtrID_Create_EffectParameters:
        return "create effect parameters";
    case kAAX_ProcPtrID_Create_EffectGUI:
        return "create effect GUI";
    default:
        return "procedure " + std::to_string (id);
    }
}

std::string PropertyLabel (int32_t property)
{
    const std::string name = PropertyName (property);
    return name.empty() ? std::to_string (property) : std::to_string (property) + " " + name;
}

std::string ValueText (int32_t value)
{
    const std::string fourChars = FourCharText (static_cast<uint32_t> (value));
    std::string text = std::to_string (value) + " (" + Hex (static_cast<uint32_t> (value), 8) + ")";
    return fourChars.empty() ? text : text + " '" + fourChars + "'";
}

void PrintProperties (std::ostringstream& out, const PropertyRecords& properties, const std::string& indent)
{
    for (const auto& [property, value] : properties.values)
        out << indent << PropertyLabel (property) << " = " << ValueText (value) << "\n";
    for (const auto& [property, set] : properties.pointers)
        out << indent << PropertyLabel (property) << " = " << (set ? "<pointer>" : "<null>") << "\n";
    for (const auto& [property, count] : properties.idArrays)
        out << indent << PropertyLabel (property) << " = <" << count << " plug-in IDs>\n";
}

nlohmann::json PropertiesToJson (const PropertyRecords& properties)
{
    nlohmann::json json = nlohmann::json::object();
    json["values"] = nlohmann::json::object();
    for (const auto& [property, value] : properties.values)
        json["values"][std::to_string (property)] = value;
    json["pointers"] = nlohmann::json::object();
    for (const auto& [property, set] : properties.pointers)
        json["pointers"][std::to_string (property)] = set;
    json["idArrays"] = nlohmann::json::object();
    for (const auto& [property, count] : properties.idArrays)
        json["idArrays"][std::to_string (property)] = count;
    return json;
}

nlohmann::json ProcessProcToJson (const ProcessProcRecord& proc)
{
    return { { "kind", proc.kind },
             { "id", proc.id },
             { "processProc", proc.hasProcessProc },
             { "instanceInitProc", proc.hasInstanceInitProc },
             { "backgroundProc", proc.hasBackgroundProc },
             { "symbols", proc.symbols },
             { "properties", PropertiesToJson (proc.properties) } };
}

nlohmann::json ComponentToJson (const ComponentRecord& component)
{
    nlohmann::json fields = nlohmann::json::array();
    for (const FieldRecord& field : component.fields)
        fields.push_back (
            { { "call", field.call }, { "field", field.fieldIndex }, { "arguments", field.arguments }, { "text", field.text } });
    nlohmann::json procs = nlohmann::json::array();
    for (const ProcessProcRecord& proc : component.processProcs)
        procs.push_back (ProcessProcToJson (proc));
    return { { "fields", fields }, { "processProcs", procs } };
}

nlohmann::json EffectToJson (const EffectRecord& effect)
{
    nlohmann::json procPtrs = nlohmann::json::object();
    for (const auto& [id, set] : effect.procPtrs)
        procPtrs[std::to_string (id)] = set;
    nlohmann::json meters = nlohmann::json::array();
    for (const MeterRecord& meter : effect.meters)
        meters.push_back ({ { "id", meter.id }, { "name", meter.name }, { "properties", PropertiesToJson (meter.properties) } });
    nlohmann::json components = nlohmann::json::array();
    for (const ComponentRecord& component : effect.components)
        components.push_back (ComponentToJson (component));
    return { { "effectID", effect.effectID },     { "names", effect.names },
             { "categories", effect.categories }, { "procPtrs", procPtrs },
             { "resources", effect.resources },   { "meters", meters },
             { "components", components },        { "properties", PropertiesToJson (effect.properties) } };
}
} // namespace

std::string PropertyName (int32_t property)
{
    switch (property)
    {
    case AAX_eProperty_ManufacturerID:
        return "ManufacturerID";
    case AAX_eProperty_ProductID:
        return "ProductID";
    case AAX_eProperty_PlugInID_Native:
        return "PlugInID_Native";
    case AAX_eProperty_PlugInID_AudioSuite:
        return "PlugInID_AudioSuite";
    case AAX_eProperty_PlugInID_TI:
        return "PlugInID_TI";
    case AAX_eProperty_NativeProcessProc:
        return "NativeProcessProc";
    case AAX_eProperty_NativeInstanceInitProc:
        return "NativeInstanceInitProc";
    case AAX_eProperty_NativeBackgroundProc:
        return "NativeBackgroundProc";
    case AAX_eProperty_TIDLLFileName:
        return "TIDLLFileName";
    case AAX_eProperty_TIProcessProc:
        return "TIProcessProc";
    case AAX_eProperty_TIInstanceInitProc:
        return "TIInstanceInitProc";
    case AAX_eProperty_TIBackgroundProc:
        return "TIBackgroundProc";
    case AAX_eProperty_InputStemFormat:
        return "InputStemFormat";
    case AAX_eProperty_OutputStemFormat:
        return "OutputStemFormat";
    case AAX_eProperty_SideChainStemFormat:
        return "SideChainStemFormat";
    case AAX_eProperty_AudioBufferLength:
        return "AudioBufferLength";
    case AAX_eProperty_CanBypass:
        return "CanBypass";
    case AAX_eProperty_SupportsSideChainInput:
        return "SupportsSideChainInput";
    case AAX_eProperty_SupportsSaveRestore:
        return "SupportsSaveRestore";
    case AAX_eProperty_ObservesTransportState:
        return "ObservesTransportState";
    case AAX_eProperty_Constraint_AlwaysProcess:
        return "Constraint_AlwaysProcess";
    case AAX_eProperty_Constraint_MultiMonoSupport:
        return "Constraint_MultiMonoSupport";
    case AAX_eProperty_Constraint_DoNotApplyDefaultSettings:
        return "Constraint_DoNotApplyDefaultSettings";
    case AAX_eProperty_Meter_Type:
        return "Meter_Type";
    case AAX_eProperty_Meter_Orientation:
        return "Meter_Orientation";
    default:
        return {};
    }
}

std::string FourCharText (uint32_t value)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8)
    {
        const auto c = static_cast<unsigned char> ((value >> shift) & 0xFFu);
        if (!std::isalnum (c) && c != ' ' && c != '_')
            return {};
        text += static_cast<char> (c);
    }
    return text;
}

std::string DescriptionToText (const Description& description)
{
    std::ostringstream out;
    out << "Manufacturer: " << description.manufacturerName << "\n";
    for (const std::string& name : description.packageNames)
        out << "Package: " << name << "\n";
    if (description.hasPackageVersion)
        out << "Package version: " << Hex (description.packageVersion, 8) << "\n";
    PrintProperties (out, description.properties, "  ");

    for (const EffectRecord& effect : description.effects)
    {
        out << "Effect \"" << effect.effectID << "\"\n";
        for (const std::string& name : effect.names)
            out << "  Name: " << name << "\n";
        for (uint32_t category : effect.categories)
            out << "  Category: " << category << " (" << Hex (category, 8) << ")\n";
        for (const auto& [id, set] : effect.procPtrs)
            out << "  Procedure: " << ProcPtrName (id) << (set ? "" : " (null)") << "\n";
        for (const std::string& resource : effect.resources)
            out << "  Resource: " << resource << "\n";
        PrintProperties (out, effect.properties, "  ");
        for (const MeterRecord& meter : effect.meters)
        {
            out << "  Meter " << ValueText (static_cast<int32_t> (meter.id)) << " \"" << meter.name << "\"\n";
            PrintProperties (out, meter.properties, "    ");
        }
        for (size_t i = 0; i < effect.components.size(); ++i)
        {
            const ComponentRecord& component = effect.components[i];
            out << "  Component " << (i + 1) << "\n";
            for (const FieldRecord& field : component.fields)
            {
                out << "    " << field.call << " field " << field.fieldIndex;
                for (int64_t argument : field.arguments)
                    out << " " << argument;
                if (!field.text.empty())
                    out << " \"" << field.text << "\"";
                out << "\n";
            }
            for (const ProcessProcRecord& proc : component.processProcs)
            {
                out << "    Process procedure " << proc.id << " (" << proc.kind << "): process "
                    << (proc.hasProcessProc ? "set" : "null") << ", instance init " << (proc.hasInstanceInitProc ? "set" : "null")
                    << ", background " << (proc.hasBackgroundProc ? "set" : "null") << "\n";
                PrintProperties (out, proc.properties, "      ");
            }
        }
    }
    return out.str();
}

std::string DescriptionToJson (const Description& description, int indent)
{
    nlohmann::json effects = nlohmann::json::array();
    for (const EffectRecord& effect : description.effects)
        effects.push_back (EffectToJson (effect));
    nlohmann::json json = { { "manufacturerName", description.manufacturerName },
                            { "packageNames", description.packageNames },
                            { "packageVersion",
                              description.hasPackageVersion ? nlohmann::json (description.packageVersion) : nlohmann::json() },
                            { "properties", PropertiesToJson (description.properties) },
                            { "effects", effects } };
    return json.dump (indent);
}
} // namespace duveline::host
