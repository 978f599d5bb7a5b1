// libFuzzer target for the properties-file reader: any bytes must load or be
// reported corrupt, without crashing, hanging or reading out of bounds.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "units/prp_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "zentra-prp-reader-fuzz.prp";
    {
        // A new file each time: truncating one makes the file system flush it.
        std::error_code ec;
        std::filesystem::remove(path, ec);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    zentra::PropertyDatabase db;
    zentra::addBuiltInContent(db);
    int messages = 0;
    const bool loaded = zentra::loadDatabase(
        db, path, [&](std::string_view, std::string_view) { ++messages; }, 0);
    if (loaded == (messages != 0)) __builtin_trap();  // a load reports nothing; a failure once

    // The payload parser on its own, on the same bytes.
    const std::string_view payload(reinterpret_cast<const char*>(data), size);
    const zentra::RecordFields fields = zentra::parseRecordFields(payload);
    if (fields.name.size() > size) __builtin_trap();
    return 0;
}
