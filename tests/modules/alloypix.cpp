// A stand-in picture library: every page 1 to 821 is the same small JPEG made by the
// test build; other page numbers have no picture. Each call is recorded.
#include "ModuleLog.h"

#include <cstddef>

namespace
{
#include "test_page.inc" // const unsigned char TestPage[]; const std::size_t TestPageSize;
}

TOLVEX_TEST_EXPORT std::size_t LoadJPEGfromEXE(int page, const unsigned char** jpeg)
{
    recordCall("LoadJPEGfromEXE", static_cast<unsigned long long>(page));
    if (page < 1 || page > 821) {
        *jpeg = nullptr;
        return 0;
    }
    *jpeg = TestPage;
    return TestPageSize;
}
