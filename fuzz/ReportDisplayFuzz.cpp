// Fuzz target: any page rewritten for the program's HTML viewer, without a fault; text without
// markup passes unchanged.
#include "FuzzSupport.h"
#include "reports/ReportDisplay.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string page(reinterpret_cast<const char*>(data), size);
    const std::string shown = reportForViewer(page);
    if (page.find('<') == std::string::npos)
        Require(shown == page, "text without markup passes unchanged");
    return 0;
}
