# A build-time copy of JUCE's juce_audio_plugin_client module with Debian's "JUCE/Debian
# disabled AAX support" block removed from utility/juce_CheckSettingMacros.h, so that the
# framework's AAX client can be compiled, its parameter hash freed of signed overflow and its views
# kept from sharing one editor. The copy lives in the build folder only and is remade whenever the
# installed sources change; nothing of JUCE is kept in the repository.
#
# Sets DUVELINE_PATCHED_JUCE_MODULES_DIR: put it ahead of JUCE_MODULES_DIR on the include path,
# since the client includes its own module by angle brackets.

set(_client_source "${JUCE_MODULES_DIR}/juce_audio_plugin_client")
set(DUVELINE_PATCHED_JUCE_MODULES_DIR "${CMAKE_BINARY_DIR}/patched-juce-modules")
set(_client_copy "${DUVELINE_PATCHED_JUCE_MODULES_DIR}/juce_audio_plugin_client")
set(_settings_header "utility/juce_CheckSettingMacros.h")

file(REMOVE_RECURSE "${_client_copy}")
file(COPY "${_client_source}" DESTINATION "${DUVELINE_PATCHED_JUCE_MODULES_DIR}")

file(READ "${_client_source}/${_settings_header}" _settings)
set(_block_pattern "#if JucePlugin_Build_AAX\n# warning JUCE/Debian disabled AAX support\n# undef JucePlugin_Build_AAX\n# define JucePlugin_Build_AAX 0\n#endif\n")
string(FIND "${_settings}" "${_block_pattern}" _block_at)
if(_block_at EQUAL -1)
  string(FIND "${_settings}" "disabled AAX support" _marker_at)
  if(NOT _marker_at EQUAL -1)
    message(FATAL_ERROR "${_client_source}/${_settings_header}: the block that disables AAX has a new form; update cmake/PatchedPluginClient.cmake")
  endif()
else()
  string(REPLACE "${_block_pattern}" "" _settings "${_settings}")
endif()
file(WRITE "${_client_copy}/${_settings_header}" "${_settings}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_client_source}/${_settings_header}")

set(_wrapper_source "AAX/juce_AAX_Wrapper.cpp")
file(READ "${_client_source}/${_wrapper_source}" _wrapper)

# Replaces the one expected passage of the wrapper's text; stops the configuration when JUCE's
# text no longer holds it, rather than building an unpatched client.
function(_patch_wrapper expected replacement what)
  string(FIND "${_wrapper}" "${expected}" _at)
  if(_at EQUAL -1)
    message(FATAL_ERROR "${_client_source}/${_wrapper_source}: ${what} has a new form; update cmake/PatchedPluginClient.cmake")
  endif()
  string(REPLACE "${expected}" "${replacement}" _patched "${_wrapper}")
  set(_wrapper "${_patched}" PARENT_SCOPE)
endfunction()

# The wrapper hashes parameter identifiers in a signed int that overflows for identifiers of
# five characters or more (undefined behaviour, reported by UndefinedBehaviorSanitizer for every
# instance). The same hash, computed in unsigned arithmetic.
_patch_wrapper("            result = (31 * result) + (*paramID++);"
               "            result = (int32) (31u * (uint32) result + (uint32) *paramID++);"
               "the parameter hash")

# A processor has one editor, and each view of the wrapper takes ownership of it. A host that
# opens a second view of an instance would have both own it: the first to close deletes it and
# the other then uses and deletes it again. A view created while the editor is shown elsewhere
# stays empty instead; the editor stays with the view that has it.
_patch_wrapper("                pluginEditor.reset (plugin.createEditorIfNeeded());"
               "                if (plugin.getActiveEditor() == nullptr)\n                    pluginEditor.reset (plugin.createEditorIfNeeded());"
               "the view's editor creation")
file(WRITE "${_client_copy}/${_wrapper_source}" "${_wrapper}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_client_source}/${_wrapper_source}")
