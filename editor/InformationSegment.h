/*
    The information segment: the information switch at the bottom right and, while
    the panel is open, two invisible click areas over it: the panel itself, which
    swallows clicks so that they do not close it, and the user-manual link.
*/
#pragma once

#include "InfoToggleBtn.h"

#include <functional>

class InformationSegment : public juce::Component
{
public:
    InformationSegment();

    /** Draws nothing; lays out the switch and, while the panel is open, the panel's
        click areas. */
    void paint (juce::Graphics& g) override;

    /** The user manual on the maker's web site. */
    static juce::URL manualUrl();

    juce::ImageButton manualButton;
    juce::ImageButton panelArea;
    InfoToggleBtn infoButton;
    float scale = 1.0f;
    /** Opens a page; the default browser unless a test replaces it. */
    std::function<void (const juce::URL&)> openPage = [] (const juce::URL& url) { url.launchInDefaultBrowser(); };

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (InformationSegment)
};
