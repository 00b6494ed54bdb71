# A build-time copy of JUCE's juce_audio_plugin_client module with Debian's "JUCE/Debian
# disabled AAX support" block removed from utility/juce_CheckSettingMacros.h, so that the
# framework's AAX client can be compiled, and its parameter hash freed of signed overflow. The copy lives in the build folder only and is
# remade whenever the installed header changes; nothing of JUCE is kept in the repository.
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

# The wrapper hashes parameter identifiers in a signed int that overflows for identifiers of
# five characters or more (undefined behaviour, reported by UndefinedBehaviorSanitizer for every
# instance). The same hash, computed in unsigned arithmetic.
set(_wrapper_source "AAX/juce_AAX_Wrapper.cpp")
file(READ "${_client_source}/${_wrapper_source}" _wrapper)
set(_hash_step "            result = (31 * result) + (*paramID++);")
string(FIND "${_wrapper}" "${_hash_step}" _hash_at)
if(_hash_at EQUAL -1)
  message(FATAL_ERROR "${_client_source}/${_wrapper_source}: the parameter hash has a new form; update cmake/PatchedPluginClient.cmake")
endif()
string(REPLACE "${_hash_step}" "            result = (int32) (31u * (uint32) result + (uint32) *paramID++);" _wrapper "${_wrapper}")
file(WRITE "${_client_copy}/${_wrapper_source}" "${_wrapper}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_client_source}/${_wrapper_source}")
