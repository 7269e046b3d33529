// The check that stands before the WAV reader, and the reader it guards.
// The reader (ALUT) is not built with the sanitizer, so the file image is
// placed against an unreadable page: a read past its end faults at once.
#include <sys/mman.h>
#include <unistd.h>
#include <AL/alut.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include "resources/WavCheck.h"

namespace {

// The bytes, ending exactly where a page no one may read begins.
class GuardedCopy {
public:
    GuardedCopy(const uint8_t* data, size_t size)
    {
        size_t page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
        length = (size + page - 1) / page * page + page;
        void* m = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (m == MAP_FAILED) std::abort();
        base = static_cast<uint8_t*>(m);
        if (::mprotect(base + length - page, page, PROT_NONE) != 0) std::abort();
        bytes = base + length - page - size;
        std::memcpy(base + length - page - size, data, size);
    }
    ~GuardedCopy() { ::munmap(base, length); }
    const uint8_t* bytes;

private:
    uint8_t* base;
    size_t length;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (alutInitWithoutContext(nullptr, nullptr) != AL_TRUE) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!IsWholeWav(bytes)) return 0;
    GuardedCopy image(data, size);
    ALenum format = 0;
    ALsizei length = 0;
    ALfloat frequency = 0.0f;
    void* samples = alutLoadMemoryFromFileImage(image.bytes, static_cast<ALsizei>(size), &format, &length, &frequency);
    std::free(samples);
    return 0;
}
