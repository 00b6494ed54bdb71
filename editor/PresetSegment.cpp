/*
    The preset segment and its menu.
*/
#include "PresetSegment.h"

#include "PresetCustomComponent.h"
#include "PresetTable.h"

#include <memory>
#include <vector>

PresetSegment::PresetSegment (juce::Component* editorToNotify) : parentEditor (editorToNotify)
{
    addAndMakeVisible (presetButton);
    // A transparent menu window, so that only the rounded panel shows.
    menuLookAndFeel.setColour (juce::PopupMenu::backgroundColourId, juce::Colours::transparentWhite);
    presetButton.onClick = [this] { showPresetMenu(); };
}

PresetSegment::~PresetSegment()
{
    if (shownMenu != nullptr)
    {
        shownMenu->setLookAndFeel (nullptr);
        juce::PopupMenu::dismissAllActiveMenus();
    }
}

void PresetSegment::paint (juce::Graphics&)
{
    presetButton.setBounds (0, 0, getWidth(), getHeight());
}

void PresetSegment::showPresetMenu()
{
    // The menu's loop runs nested inside this call, and the host may close the
    // editor (and with it this segment) before it returns.
    juce::Component::SafePointer<PresetSegment> self (this);
    auto* const editor = parentEditor;

    std::vector<std::unique_ptr<PresetCustomComponent>> rows;
    const auto addRow = [&rows] (juce::PopupMenu& menu, int id, int kind, const char* text)
    {
        auto row = std::make_unique<PresetCustomComponent>();
        row->kind = kind;
        row->text = text;
        // Clicking a spacer neither chooses it nor closes the menu.
        menu.addCustomItem (id, *row, PresetCustomComponent::idealWidth(), PresetCustomComponent::idealHeight (kind),
                            kind == PresetCustomComponent::presetRow, nullptr);
        rows.push_back (std::move (row));
    };

    // The parent area outlives the menu, which is its child while it shows.
    juce::Component parentArea;
    if (editor != nullptr)
    {
        parentArea.setVisible (true);
        editor->addChildComponent (parentArea);
        parentArea.setBounds ((int)(79.0f * scale), (int)(55.0f * scale), (int)(180.0f * scale), (int)(180.0f * scale));
    }

    juce::PopupMenu menu;
    menu.setLookAndFeel (&menuLookAndFeel);
    addRow (menu, topSpacerId, PresetCustomComponent::topSpacer, "");
    for (const auto& preset : presetTable)
        addRow (menu, preset.id, PresetCustomComponent::presetRow, preset.name);
    addRow (menu, bottomSpacerId, PresetCustomComponent::bottomSpacer, "");

    auto options =
        juce::PopupMenu::Options().withMinimumWidth ((int)(95.0f * scale)).withStandardItemHeight ((int)(25.0f * scale));
    if (selectedPreset != 0)
        options = options.withInitiallySelectedItem (selectedPreset);
    options = options.withMaximumNumColumns (1).withParentComponent (&parentArea);

    shownMenu = &menu;
    const auto result = menu.showMenu (options);

    if (self == nullptr)
    {
        // The editor has gone and, at the start of its destructor, removed the parent
        // area from its children; nothing here may be touched any more.
        return;
    }

    shownMenu = nullptr;
    selectedPreset = result;
    if (result != 0 && parentEditor != nullptr)
    {
        presetPending = true;
        parentEditor->childrenChanged();
    }
}
