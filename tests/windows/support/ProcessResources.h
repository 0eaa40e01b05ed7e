// What a process holds of the system, for tests that open and close windows
// many times and check that nothing is left behind.
#pragma once

#include <cstddef>

struct ProcessResources {
    int windows = 0;           // windows of this thread, children included
    int drawingObjects = 0;    // GDI objects
    int kernelHandles = 0;
    std::size_t privateBytes = 0;  // committed private memory

    static ProcessResources Now();
};
