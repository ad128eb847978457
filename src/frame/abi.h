#pragma once
// Calling convention and export markers for everything that crosses the
// boundary between the simulator and this module.

#if defined(__i386__) || defined(_M_IX86)
#define VKCALL __attribute__((stdcall))
#define VK_32BIT 1
#else
#define VKCALL
#define VK_32BIT 0
#endif

#if defined(_WIN32)
#define VK_EXPORT __declspec(dllexport)
#else
#define VK_EXPORT __attribute__((visibility("default")))
#endif
