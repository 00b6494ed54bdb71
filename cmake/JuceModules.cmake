# Builds the JUCE modules we use as one static library, compiled once and linked
# by the plug-in code, the bundle, the tools and the tests.
# The module sources come from Debian's juce-modules-source-data package.

set(JUCE_MODULES_DIR "/usr/share/juce/modules" CACHE PATH "Folder holding the JUCE module sources")
if(NOT EXISTS "${JUCE_MODULES_DIR}/juce_core/juce_core.h")
  message(FATAL_ERROR "JUCE modules not found in ${JUCE_MODULES_DIR} (install juce-modules-source-data)")
endif()

set(DUVELINE_JUCE_MODULES
  juce_core juce_events juce_data_structures juce_graphics juce_gui_basics
  juce_gui_extra juce_audio_basics juce_audio_formats juce_audio_processors juce_dsp)

find_package(PkgConfig REQUIRED)
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
find_package(ZLIB REQUIRED)
find_package(Threads REQUIRED)
# FFTW carries the convolution's FFTs: JUCE's own FFT is several times slower.
# It is linked at build time (JUCE's "static" FFTW mode links whatever library
# it is given, here the shared one): the shared mode would dlopen
# "libfftw3f.so", a name only the -dev package provides, and silently fall
# back to the slow FFT on a machine that has just the run-time library.
pkg_check_modules(FFTW3F REQUIRED IMPORTED_TARGET fftw3f)

set(juce_sources "")
foreach(module IN LISTS DUVELINE_JUCE_MODULES)
  list(APPEND juce_sources "${JUCE_MODULES_DIR}/${module}/${module}.cpp")
endforeach()

add_library(juce_modules STATIC ${juce_sources})

# Settings every translation unit that includes a JUCE header must agree on.
set(juce_public_definitions
  JUCE_GLOBAL_MODULE_SETTINGS_INCLUDED=1
  JUCE_STANDALONE_APPLICATION=0
  JUCE_MODAL_LOOPS_PERMITTED=1
  JUCE_WEB_BROWSER=0
  JUCE_USE_CURL=0
  JUCE_USE_FLAC=0
  JUCE_USE_OGGVORBIS=0
  JUCE_USE_MP3AUDIOFORMAT=0
  JUCE_USE_LAME_AUDIO_FORMAT=0
  JUCE_USE_WINDOWS_MEDIA_FORMAT=0
  JUCE_PLUGINHOST_VST3=0
  JUCE_PLUGINHOST_LV2=0
  JUCE_PLUGINHOST_LADSPA=0
  JUCE_PLUGINHOST_ARA=0
  JUCE_DISPLAY_SPLASH_SCREEN=0
  JUCE_REPORT_APP_USAGE=0
  JUCE_DONT_DECLARE_PROJECTINFO=1
  JUCE_DSP_USE_STATIC_FFTW=1
  $<IF:$<CONFIG:Debug>,DEBUG=1,NDEBUG=1>)
foreach(module IN LISTS DUVELINE_JUCE_MODULES)
  list(APPEND juce_public_definitions JUCE_MODULE_AVAILABLE_${module}=1)
endforeach()

target_compile_definitions(juce_modules PUBLIC ${juce_public_definitions})
target_include_directories(juce_modules SYSTEM PUBLIC
  "${JUCE_MODULES_DIR}"
  ${FREETYPE_INCLUDE_DIRS})
target_compile_features(juce_modules PUBLIC cxx_std_17)
# The framework's own sources are not ours to keep warning-free.
target_compile_options(juce_modules PRIVATE -w)
target_link_libraries(juce_modules PUBLIC
  PkgConfig::FREETYPE PkgConfig::FFTW3F PNG::PNG JPEG::JPEG ZLIB::ZLIB Threads::Threads ${CMAKE_DL_LIBS} rt)
