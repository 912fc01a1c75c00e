// Input: a value to be stored in the profile.
#include "check.h"
#include "profile_reader_model.h"
#include "profile_value.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string value(reinterpret_cast<const char*>(data), size);
    const std::string stored = encode_profile_value(value);

    FUZZ_CHECK(stored.find_first_of("\r\n") == std::string::npos);

    std::string expected = value;
    for (char& c : expected) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    FUZZ_CHECK(read_back_profile_value(stored) == expected);
    return 0;
}
