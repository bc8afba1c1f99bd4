// Export macros of the engine's API and of plug-in libraries.
//
// The engine exports its classes and functions; a plug-in imports them. On Windows the engine is built
// with ENGINE_BUILD defined (dllexport) and everything else sees dllimport. Elsewhere both sides use
// default visibility, since the plug-in is compiled with hidden visibility.
#pragma once

#if defined(_WIN32)
#  if defined(ENGINE_BUILD)
#    define ENGINE_API __declspec(dllexport)
#  else
#    define ENGINE_API __declspec(dllimport)
#  endif
#  define PLUGIN_EXPORT __declspec(dllexport)
#else
#  define ENGINE_API __attribute__((visibility("default")))
#  define PLUGIN_EXPORT __attribute__((visibility("default")))
#endif
