#pragma once

// The clocks the timing mode reads, in milliseconds: CPU time of the whole
// process (every thread, the software rasteriser's too) and wall time.
double ProcessCpuMs();
double WallMs();
