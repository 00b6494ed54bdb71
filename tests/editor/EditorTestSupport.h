/*
    Helpers for the editor tests: a JUCE message manager for the whole test
    binary, a bounded message-loop pump, parameter access in plain units and
    off-screen rendering of components.
*/
#pragma once

#include "PluginEditor.h"

#include <functional>

namespace EditorTest
{
/** Runs the message loop in short slices until `done` holds or about `boundMs`
    have passed; returns whether `done` holds. */
bool pumpMessagesUntil (const std::function<bool()>& done, int boundMs = 5000);

/** Delivers every message already queued (asynchronous notifications and
    attachment updates). */
void pumpPendingMessages();

juce::RangedAudioParameter& parameter (BrenvoAudioProcessor& processor, const char* id);
float parameterValue (BrenvoAudioProcessor& processor, const char* id);
/** Sets a parameter the way a host does: normalised, notifying its listeners. */
void automate (BrenvoAudioProcessor& processor, const char* id, float value);

/** Paints a component (and its children) into a new ARGB image over `background`. */
juce::Image render (juce::Component& component, juce::Colour background = juce::Colours::black);

/** Whether a pixel shows the panel colour with which meters, ring and arc mask
    what lies beyond their value (each channel within `tolerance`). */
bool isMaskColour (juce::Colour pixel, int tolerance);

/** Creates the processor's editor the way a host does. */
std::unique_ptr<BrenvoAudioProcessorEditor> openEditor (BrenvoAudioProcessor& processor);
} // namespace EditorTest
