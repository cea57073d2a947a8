#pragma once
// Shared by the fuzz harnesses: property checks that stop the run with a
// message (libFuzzer then keeps the input that broke the property), and a
// fixed way of cutting an input into chunks as a pipe might.

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace veltrix::fuzz {

// Prints "property failed: <what> (file:line)" and aborts.
[[noreturn]] void propertyFailed(const char *what, const char *file, int line);

// The chunk sizes (each from 1 to maxChunk) of one cutting of an input. The
// sizes come from a generator seeded by the input's bytes, so one input is
// always cut the same way and every input is cut differently.
std::vector<std::size_t> chunkSizesFor(const QByteArray &input, std::size_t maxChunk);

// The cuttings every stream harness compares: one byte at a time, the
// program's own read size, the whole input at once and a seeded mix.
std::vector<std::vector<std::size_t>> cuttingsFor(const QByteArray &input, std::size_t readSize);

// Cuts the input by the sizes (repeated as needed) and hands each piece on.
template <typename Consumer>
void feedInChunks(const QByteArray &input, const std::vector<std::size_t> &sizes, Consumer &&consume)
{
    qsizetype at = 0;
    for (std::size_t i = 0; at < input.size(); ++i) {
        const auto size = static_cast<qsizetype>(sizes[i % sizes.size()]);
        consume(input.mid(at, size));
        at += size;
    }
}

// The input split into fields at NUL bytes (a trailing empty field included).
std::vector<QByteArray> fieldsOf(const QByteArray &input);

} // namespace veltrix::fuzz

#define FUZZ_EXPECT(condition, what)                                                                                   \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            ::veltrix::fuzz::propertyFailed(what, __FILE__, __LINE__);                                                 \
    } while (false)

// Every harness defines this; libFuzzer or the replay driver calls it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
