#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

namespace veltrix::fuzz {

void propertyFailed(const char *what, const char *file, int line)
{
    std::fprintf(stderr, "property failed: %s (%s:%d)\n", what, file, line);
    std::fflush(stderr);
    std::abort();
}

std::vector<std::size_t> chunkSizesFor(const QByteArray &input, std::size_t maxChunk)
{
    // FNV-1a over the input seeds a 64-bit linear congruential generator.
    std::uint64_t state = 14695981039346656037ULL;
    for (const char c : input)
        state = (state ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    std::vector<std::size_t> sizes(16);
    for (std::size_t &size : sizes) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        size = 1 + static_cast<std::size_t>((state >> 33) % maxChunk);
    }
    return sizes;
}

std::vector<std::vector<std::size_t>> cuttingsFor(const QByteArray &input, std::size_t readSize)
{
    const std::size_t whole = input.isEmpty() ? 1 : static_cast<std::size_t>(input.size());
    return {{1}, {readSize}, {whole}, chunkSizesFor(input, 16)};
}

std::vector<QByteArray> fieldsOf(const QByteArray &input)
{
    std::vector<QByteArray> fields;
    qsizetype start = 0;
    for (qsizetype nul = input.indexOf('\0'); nul >= 0; nul = input.indexOf('\0', start)) {
        fields.push_back(input.mid(start, nul - start));
        start = nul + 1;
    }
    fields.push_back(input.mid(start));
    return fields;
}

} // namespace veltrix::fuzz
