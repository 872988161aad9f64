#include "tests/model/testdata.h"

#include <iterator>
#include <random>

namespace testdata {

Bytes FromString(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

Bytes Repeated(size_t size, uint8_t value)
{
    return Bytes(size, value);
}

Bytes RandomBytes(size_t size, uint32_t seed)
{
    std::mt19937 rng(seed);
    Bytes data(size);
    for (auto& b : data)
        b = static_cast<uint8_t>(rng() >> 24);
    return data;
}

// Random bytes from a small alphabet: lots of short, competing matches.
Bytes SmallAlphabet(size_t size, uint32_t alphabet, uint32_t seed)
{
    std::mt19937 rng(seed);
    Bytes data(size);
    for (auto& b : data)
        b = static_cast<uint8_t>('a' + rng() % alphabet);
    return data;
}

// Words drawn with a skewed frequency, sentences, paragraphs: text that compresses like prose.
Bytes EnglishLikeText(size_t size, uint32_t seed)
{
    static const char* const kWords[] = {
        "the",    "of",      "and",      "to",      "a",        "in",     "is",      "it",
        "you",    "that",    "he",       "was",     "for",      "on",     "are",     "with",
        "as",     "his",     "they",     "be",      "at",       "one",    "have",    "this",
        "from",   "or",      "had",      "by",      "word",     "but",    "what",    "some",
        "we",     "can",     "out",      "other",   "were",     "all",    "there",   "when",
        "up",     "use",     "your",     "how",     "said",     "an",     "each",    "she",
        "which",  "do",      "their",    "time",    "if",       "will",   "way",     "about",
        "many",   "then",    "them",     "write",   "would",    "like",   "so",      "these",
        "letter", "picture", "message",  "animate", "frame",    "sound",  "colour",  "friend",
        "window", "button",  "morning",  "evening", "remember", "quickly", "together", "garden",
    };
    constexpr size_t kWordCount = std::size(kWords);
    std::mt19937 rng(seed);
    std::string text;
    bool sentenceStart = true;
    while (text.size() < size) {
        // Squaring a uniform number favours the first words, as in real text.
        const double u = (rng() % 10000) / 10000.0;
        std::string word = kWords[static_cast<size_t>(u * u * kWordCount)];
        if (sentenceStart)
            word[0] = static_cast<char>(word[0] - 'a' + 'A');
        text += word;
        sentenceStart = false;
        const uint32_t roll = rng() % 100;
        if (roll < 8) {
            text += ". ";
            sentenceStart = true;
            if (rng() % 6 == 0)
                text += "\r\n\r\n";
        } else if (roll < 12) {
            text += ", ";
        } else {
            text += ' ';
        }
    }
    text.resize(size);
    return FromString(text);
}

// Rows of 8-bit pixels: smooth gradients, rows repeated from the one above, some noise.
Bytes BitmapLike(size_t size, uint32_t seed)
{
    std::mt19937 rng(seed);
    constexpr size_t kWidth = 640;
    Bytes data;
    data.reserve(size + kWidth);
    Bytes row(kWidth);
    while (data.size() < size) {
        const uint32_t kind = rng() % 4;
        if (kind == 0 || data.size() < kWidth) {
            const int start = static_cast<int>(rng() % 256);
            const int step = static_cast<int>(rng() % 5);
            for (size_t x = 0; x < kWidth; ++x)
                row[x] = static_cast<uint8_t>(start + step * static_cast<int>(x) / 16);
        } else if (kind == 1) {
            for (size_t x = 0; x < kWidth; ++x)
                if (rng() % 16 == 0)
                    row[x] = static_cast<uint8_t>(rng());
        }
        // kind 2 and 3 repeat the previous row unchanged
        data.insert(data.end(), row.begin(), row.end());
    }
    data.resize(size);
    return data;
}

// A pattern of the given period, with one byte in every `noiseEvery` changed at random.
Bytes Periodic(size_t size, size_t period, size_t noiseEvery, uint32_t seed)
{
    const Bytes pattern = RandomBytes(period, seed);
    std::mt19937 rng(seed + 1);
    Bytes data(size);
    for (size_t i = 0; i < size; ++i) {
        data[i] = pattern[i % period];
        if (noiseEvery != 0 && rng() % noiseEvery == 0)
            data[i] = static_cast<uint8_t>(rng());
    }
    return data;
}

Bytes AllByteValues(size_t repeats)
{
    Bytes data;
    for (size_t r = 0; r < repeats; ++r)
        for (int v = 0; v < 256; ++v)
            data.push_back(static_cast<uint8_t>(v));
    return data;
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes data;
    for (const Bytes& part : parts)
        data.insert(data.end(), part.begin(), part.end());
    return data;
}

Bytes Mixture(size_t size, uint32_t seed)
{
    const size_t third = size / 3;
    return Concat({BitmapLike(third, seed), EnglishLikeText(third, seed + 1),
                   RandomBytes(size - 2 * third, seed + 2)});
}

} // namespace testdata
