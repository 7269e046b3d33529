#pragma once

// The clocks the timing mode reads, in milliseconds.

// CPU time of the work that makes frames: the calling thread (the game's
// one thread) and Mesa's rasteriser threads ("llvmpipe-N"), apart. Other
// threads, above all the sound mixer, which runs by the wall clock rather
// than by the frame, are left out. Call FindRasteriserThreads once the GL
// context exists.
double ThreadCpuMs();
double RasteriserCpuMs();
void FindRasteriserThreads();

// CPU time of the whole process since it started.
double ProcessCpuMs();
double WallMs();
