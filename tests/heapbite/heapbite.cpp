// Overruns a malloc block or a new[] block by 8 bytes and frees it, so that the heap
// check can prove that Wine's heap validation reports such writes.
//   heapbite malloc | heapbite new
// Wine stops the program at the first damaged block it frees, so each overrun gets
// a run of its own.
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

// Read at run time, so that the compiler neither sees nor removes the overrun.
volatile size_t overrunBytes = 8;
const size_t kBlockSize = 16;

void WritePast(char* block, size_t size)
{
    volatile char* bytes = block;
    for (size_t i = 0; i < size + overrunBytes; ++i)
        bytes[i] = 'x';
}

void OverrunMalloc()
{
    char* block = static_cast<char*>(std::malloc(kBlockSize));
    WritePast(block, kBlockSize);
    std::free(block);
}

void OverrunNewArray()
{
    char* block = new char[kBlockSize];
    WritePast(block, kBlockSize);
    delete[] block;
}

}   // namespace

int main(int argc, char** argv)
{
    const char* which = argc > 1 ? argv[1] : "";
    std::printf("heapbite: writing 8 bytes past a 16-byte %s block\n", which);
    std::fflush(stdout);
    if (std::strcmp(which, "malloc") == 0)
    {
        OverrunMalloc();
    }
    else if (std::strcmp(which, "new") == 0)
    {
        OverrunNewArray();
    }
    else
    {
        std::fprintf(stderr, "usage: heapbite malloc|new\n");
        return 2;
    }
    std::puts("heapbite: freed the damaged block");
    return 0;
}
