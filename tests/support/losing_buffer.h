#pragma once

#include <cstddef>
#include <streambuf>

namespace test_support {

// An output that takes `room` bytes, then refuses every write, and counts every byte it was
// offered. With syncFails only the final flush fails. Stands in for a full disk.
class LosingBuffer : public std::streambuf {
public:
    explicit LosingBuffer(std::size_t room, bool syncFails = false)
        : room_(room), syncFails_(syncFails) {}
    std::size_t offered = 0;

protected:
    std::streamsize xsputn(const char*, std::streamsize n) override {
        offered += static_cast<std::size_t>(n);
        return offered <= room_ ? n : 0;
    }
    int_type overflow(int_type c) override {
        char one = 0;
        return xsputn(&one, 1) == 1 ? c : traits_type::eof();
    }
    int sync() override { return syncFails_ ? -1 : 0; }

private:
    std::size_t room_;
    bool syncFails_;
};

} // namespace test_support
