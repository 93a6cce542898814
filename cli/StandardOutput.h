// Standard output of lorvane-cli: written straight to descriptor 1, keeping why a write failed.
#pragma once

#include <array>
#include <streambuf>

/// A stream buffer over descriptor 1 that remembers the system's reason for the first failed
/// write, so that the end of a command can name it (a full disk, a closed pipe).
class StandardOutputBuffer : public std::streambuf {
public:
    StandardOutputBuffer();
    /// Writes what is still buffered.
    ~StandardOutputBuffer() override;
    StandardOutputBuffer(const StandardOutputBuffer&) = delete;
    StandardOutputBuffer& operator=(const StandardOutputBuffer&) = delete;
    /// The errno of the first failed write; 0 while every write succeeded.
    [[nodiscard]] int Error() const { return m_error; }

protected:
    int_type overflow(int_type ch) override;
    int sync() override;

private:
    bool Drain();

    std::array<char, 8192> m_buffer{};
    int m_error = 0;
};
