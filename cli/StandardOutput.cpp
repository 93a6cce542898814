// Standard output of lorvane-cli over descriptor 1.
#include "cli/StandardOutput.h"

#include <cerrno>
#include <unistd.h>

StandardOutputBuffer::StandardOutputBuffer() {
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

StandardOutputBuffer::~StandardOutputBuffer() {
    Drain();
}

bool StandardOutputBuffer::Drain() {
    const char* at = pbase();
    const char* const end = pptr();
    bool failed = false;
    while (at < end && !failed) {
        const ssize_t wrote = ::write(1, at, static_cast<std::size_t>(end - at));
        if (wrote < 0 && errno == EINTR)
            continue;
        failed = wrote <= 0;
        if (failed && m_error == 0)
            m_error = wrote < 0 ? errno : EIO;
        at += failed ? 0 : wrote;
    }
    // What could not be written is dropped: the failure is kept and reported at the end.
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return !failed;
}

StandardOutputBuffer::int_type StandardOutputBuffer::overflow(int_type ch) {
    if (!Drain())
        return traits_type::eof();
    if (traits_type::eq_int_type(ch, traits_type::eof()))
        return traits_type::not_eof(ch);
    *pptr() = traits_type::to_char_type(ch);
    pbump(1);
    return ch;
}

int StandardOutputBuffer::sync() {
    return Drain() ? 0 : -1;
}
