#include "dvd/dvd_job_input.h"

#include <charconv>
#include <cstdio>

namespace {

constexpr std::string_view kMark = "veltrix-dvd:";

template <typename T> std::optional<T> number(std::string_view text, int base = 10)
{
    T value{};
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool keptAsIs(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' || c == '-'
           || c == '.' || c == '_' || c == '~';
}

std::string percentEncoded(std::string_view text)
{
    std::string out;
    for (unsigned char c : text) {
        if (keptAsIs(c)) {
            out += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out;
}

std::optional<std::string> percentDecoded(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const auto value = number<unsigned>(text.substr(i + 1, 2), 16);
        if (!value || i + 2 >= text.size())
            return std::nullopt;
        out += static_cast<char>(*value);
        i += 2;
    }
    return out;
}

std::string hexId(int id)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02x", id);
    return text;
}

// Calls `onItem` for each part of `text` between `separator`s.
template <typename F> bool eachPart(std::string_view text, char separator, F onItem)
{
    while (true) {
        const std::size_t at = text.find(separator);
        if (!onItem(text.substr(0, at)))
            return false;
        if (at == std::string_view::npos)
            return true;
        text.remove_prefix(at + 1);
    }
}

std::optional<SectorRange> sectorRange(std::string_view text)
{
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos)
        return std::nullopt;
    const auto first = number<std::uint32_t>(text.substr(0, dash));
    const auto last = number<std::uint32_t>(text.substr(dash + 1));
    if (!first || !last || *last < *first)
        return std::nullopt;
    return SectorRange{*first, *last};
}

bool readField(DvdJobInput &in, std::string_view key, std::string_view value)
{
    if (key == "root") {
        const auto root = percentDecoded(value);
        in.root = root.value_or(std::string());
        return root.has_value();
    }
    if (key == "vts") {
        const auto n = number<int>(value);
        in.titleSet = n.value_or(0);
        return n.has_value();
    }
    if (key == "cells") {
        return eachPart(value, ',', [&](std::string_view part) {
            const auto range = sectorRange(part);
            if (range)
                in.cells.push_back(*range);
            return range.has_value();
        });
    }
    if (key == "audio" || key == "subtitle") {
        const auto id = value.substr(0, 2) == "0x" ? number<int>(value.substr(2), 16) : std::nullopt;
        const bool audio = key == "audio";
        const bool inRange = id && (audio ? (*id >= 0x80 && *id <= 0xdf) : (*id >= 0x20 && *id <= 0x3f));
        (audio ? in.audioStream : in.subtitleStream) = inRange ? *id : 0;
        return inRange;
    }
    if (key == "palette") {
        std::array<std::uint32_t, 16> palette{};
        std::size_t count = 0;
        const bool ok = eachPart(value, ',', [&](std::string_view part) {
            const auto rgb = part.size() == 6 ? number<std::uint32_t>(part, 16) : std::nullopt;
            if (!rgb || count >= palette.size())
                return false;
            palette[count++] = *rgb;
            return true;
        });
        in.palette = palette;
        return ok && count == palette.size();
    }
    if (key == "begin" || key == "end") {
        const auto seconds = number<int>(value);
        (key == "begin" ? in.begin : in.end) = seconds;
        return seconds && *seconds >= 0;
    }
    return false;
}

} // namespace

bool isDvdJobInput(std::string_view text)
{
    return text.substr(0, kMark.size()) == kMark;
}

std::string formatDvdJobInput(const DvdJobInput &in)
{
    std::string text(kMark);
    text += "root=" + percentEncoded(in.root);
    text += "&vts=" + std::to_string(in.titleSet);
    text += "&cells=";
    for (std::size_t i = 0; i < in.cells.size(); ++i)
        text += (i ? "," : "") + std::to_string(in.cells[i].first) + "-" + std::to_string(in.cells[i].last);
    if (in.audioStream)
        text += "&audio=" + hexId(in.audioStream);
    if (in.subtitleStream)
        text += "&subtitle=" + hexId(in.subtitleStream);
    if (in.palette) {
        text += "&palette=";
        for (std::size_t i = 0; i < in.palette->size(); ++i) {
            char rgb[8];
            std::snprintf(rgb, sizeof rgb, "%06x", (*in.palette)[i] & 0xffffffu);
            text += (i ? "," : "") + std::string(rgb);
        }
    }
    if (in.begin)
        text += "&begin=" + std::to_string(*in.begin);
    if (in.end)
        text += "&end=" + std::to_string(*in.end);
    return text;
}

std::optional<DvdJobInput> parseDvdJobInput(std::string_view text)
{
    if (!isDvdJobInput(text))
        return std::nullopt;
    text.remove_prefix(kMark.size());
    DvdJobInput in;
    const bool fieldsOk = eachPart(text, '&', [&](std::string_view field) {
        const std::size_t eq = field.find('=');
        return eq != std::string_view::npos && readField(in, field.substr(0, eq), field.substr(eq + 1));
    });
    const bool clipOk = !in.begin || !in.end || *in.end > *in.begin;
    if (!fieldsOk || in.root.empty() || in.titleSet < 1 || in.titleSet > 99 || in.cells.empty() || !clipOk)
        return std::nullopt;
    return in;
}
