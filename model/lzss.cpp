// The LZSS codec of project files.
//
// The encoder keeps the ring, the 256 binary search trees and the exact order of insertions and
// deletions of the widely published 4096/18/2 coder, because the bytes it writes depend on all
// of them: which of several equally long matches is reported depends on the shape of the
// trees, and the shape depends even on ring bytes that are stale once the input runs out.
// What differs is only how the work is done: the input and output are memory buffers, and the
// string comparison looks at eight bytes at a time.
//
// The decoder does not keep a ring at all. It writes straight into the output, and a reference
// to ring position p becomes a copy from a fixed distance back in the output. Until the output
// is a full ring long, a reference may reach back past its beginning into the initial ring
// contents, so the first 4096 bytes take a careful path.
#include "model/lzss.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

namespace lzss {

namespace {

constexpr int kRingSize = 4096;                        // N
constexpr int kRingMask = kRingSize - 1;
constexpr int kMaxMatch = 18;                          // F: the longest match
constexpr int kThreshold = 2;                          // matches this short go as literals
constexpr int kFirstWrite = kRingSize - kMaxMatch;     // 4078: where the first byte goes
constexpr int kNil = kRingSize;                        // "no node"
constexpr int kFirstRoot = kRingSize + 1;              // tree of byte c has its root at N + 1 + c
constexpr uint8_t kFill = 0x20;                        // the ring starts filled with spaces

// The initial ring: positions 0..4077 hold spaces; 4078..4095 are never filled and start as 0.
constexpr uint8_t InitialRingByte(int position)
{
    return position < kFirstWrite ? kFill : 0;
}

// Eight bytes as a number whose order is the order of the bytes compared one by one: the
// first byte is the most significant.
uint64_t LoadOrdered64(const uint8_t* p)
{
    uint64_t value;
    std::memcpy(&value, p, sizeof value);
    if constexpr (std::endian::native == std::endian::little)
        value = __builtin_bswap64(value);
    return value;
}

// ---------------------------------------------------------------------------------------------
// Encoder

class CEncoder {
public:
    std::vector<uint8_t> Run(std::span<const uint8_t> input, const ProgressFunction& progress);

private:
    using Node = uint16_t; // a ring position 0..N-1, kNil, or a root N+1..N+256

    // The descent of one string down its tree. Two descents into different trees touch
    // different nodes, so they can be stepped in turns and the processor overlaps their loads.
    struct CWalk {
        int m_nR;          // the string being inserted
        int m_nP;          // the node reached
        bool m_bGoRight;   // the side of m_nP to go on to
        uint64_t m_nKey1;  // bytes 1..8 of the string, first byte most significant
        uint64_t m_nKey9;  // bytes 9..16
        uint8_t m_nKey17;  // byte 17
        int m_nMatchLength;
        int m_nMatchPosition;
        uint32_t m_nChildren; // both children of m_nP, loaded along with its bytes
    };
    // The longest match of one string, as the last InsertNode left it.
    struct CMatch {
        uint16_t m_nPosition;
        uint8_t m_nLength;
    };

    void InitTree();
    void StartWalk(CWalk& walk, int r);
    bool StepWalk(CWalk& walk);
    void FinishWalk(const CWalk& walk);
    CMatch InsertNode(int r);
    bool ReplaceEqualNode(int q, int r);
    void InsertTwoNodes(int r0, int r1, CMatch& match0, CMatch& match1);
    void DeleteNode(int p);
    // Both children of p in one number: the left one in the low 16 bits.
    uint32_t ChildrenOf(int p) const
    {
        uint32_t children;
        std::memcpy(&children, m_child[p], sizeof children);
        if constexpr (std::endian::native == std::endian::big)
            children = children << 16 | children >> 16;
        return children;
    }
    // The child slot of p's parent that holds p.
    Node& SlotOf(int p) { return m_child[m_parent[p]][m_child[m_parent[p]][kRight] == p]; }
    // Deletes the oldest string and puts input byte c in its place (no byte past the end).
    void Slide(int s, const uint8_t* c);

    static constexpr int kLeft = 0;
    static constexpr int kRight = 1;

    // The ring with F-1 extra bytes: positions N..N+F-2 mirror 0..F-2 (once those are written),
    // so a string starting anywhere in the ring can be read without wrapping.
    uint8_t m_ring[kRingSize + kMaxMatch - 1];
    // Node i (a ring position) has children m_child[i][kLeft] and m_child[i][kRight] and parent
    // m_parent[i]. m_child[N + 1 + c][kRight] is the root of the tree of strings that begin
    // with byte c. Both children side by side, in 16 bits, keep the trees in the first-level
    // cache.
    alignas(4) Node m_child[kRingSize + 257][2];
    Node m_parent[kRingSize + 1];
};

void CEncoder::InitTree()
{
    for (int i = kFirstRoot; i < kFirstRoot + 256; ++i)
        m_child[i][kRight] = kNil;
    for (int i = 0; i < kRingSize; ++i)
        m_parent[i] = kNil;
}

inline void CEncoder::StartWalk(CWalk& walk, int r)
{
    walk.m_nR = r;
    walk.m_nP = kFirstRoot + m_ring[r];
    walk.m_bGoRight = true;
    // Loaded in order of significance, eight bytes compare in one step, and the first
    // differing byte decides both the direction and the length of the match.
    walk.m_nKey1 = LoadOrdered64(m_ring + r + 1);
    walk.m_nKey9 = LoadOrdered64(m_ring + r + 9);
    walk.m_nKey17 = m_ring[r + 17];
    walk.m_nMatchLength = 0;
    walk.m_nMatchPosition = 0;
    walk.m_nChildren = ChildrenOf(walk.m_nP);
    m_child[r][kLeft] = m_child[r][kRight] = kNil;
}

// One step down: false when the walk has ended, either at an empty child slot (m_nP is the
// node to hang the string from) or at a node equal in all F bytes (m_nP is the node to replace).
inline bool CEncoder::StepWalk(CWalk& walk)
{
    const int child = static_cast<int>(walk.m_nChildren >> (walk.m_bGoRight ? 16 : 0)) & 0xFFFF;
    if (child == kNil)
        return false;
    walk.m_nP = child;
    walk.m_nChildren = ChildrenOf(child);

    // i: the first index in 1..F-1 where the strings at r and p differ, F if none.
    const uint8_t* node = m_ring + child;
    int i;
    if (const uint64_t node1 = LoadOrdered64(node + 1); node1 != walk.m_nKey1) {
        i = 1 + std::countl_zero(node1 ^ walk.m_nKey1) / 8;
        walk.m_bGoRight = walk.m_nKey1 > node1;
    } else if (const uint64_t node9 = LoadOrdered64(node + 9); node9 != walk.m_nKey9) {
        i = 9 + std::countl_zero(node9 ^ walk.m_nKey9) / 8;
        walk.m_bGoRight = walk.m_nKey9 > node9;
    } else if (node[17] != walk.m_nKey17) {
        i = 17;
        walk.m_bGoRight = walk.m_nKey17 > node[17];
    } else {
        i = kMaxMatch;
    }

    const bool longer = i > walk.m_nMatchLength;
    walk.m_nMatchPosition = longer ? child : walk.m_nMatchPosition;
    walk.m_nMatchLength = longer ? i : walk.m_nMatchLength;
    return i < kMaxMatch;
}

inline void CEncoder::FinishWalk(const CWalk& walk)
{
    const int r = walk.m_nR;
    const int p = walk.m_nP;
    if (walk.m_nMatchLength < kMaxMatch) {
        m_child[p][walk.m_bGoRight] = static_cast<Node>(r);
        m_parent[r] = static_cast<Node>(p);
        return;
    }
    // A string equal to r's in all F bytes: r takes p's place in the tree, since r will stay in
    // the ring longer.
    m_parent[r] = m_parent[p];
    m_child[r][kLeft] = m_child[p][kLeft];
    m_child[r][kRight] = m_child[p][kRight];
    m_parent[m_child[p][kLeft]] = static_cast<Node>(r);
    m_parent[m_child[p][kRight]] = static_cast<Node>(r);
    SlotOf(p) = static_cast<Node>(r);
    m_parent[p] = kNil;
}

// When the string at node q is in a tree and equal to the string at r in all F bytes, the
// descent for r would end at q, the only node of its tree that equal, and report it as the
// match: r takes q's place directly. False, and nothing done, when q is not such a node.
inline bool CEncoder::ReplaceEqualNode(int q, int r)
{
    if (m_parent[q] == kNil || m_ring[q] != m_ring[r] || m_ring[q + 17] != m_ring[r + 17] ||
        LoadOrdered64(m_ring + q + 1) != LoadOrdered64(m_ring + r + 1) ||
        LoadOrdered64(m_ring + q + 9) != LoadOrdered64(m_ring + r + 9))
        return false;
    CWalk walk;
    walk.m_nR = r;
    walk.m_nP = q;
    walk.m_bGoRight = false;
    walk.m_nMatchLength = kMaxMatch;
    FinishWalk(walk);
    return true;
}

// Inserts the string at ring position r into the tree of its first byte and returns the
// longest match met on the way down (the first one met, among equally long ones).
CEncoder::CMatch CEncoder::InsertNode(int r)
{
    CWalk walk;
    StartWalk(walk, r);
    while (StepWalk(walk)) {
    }
    FinishWalk(walk);
    return {static_cast<uint16_t>(walk.m_nMatchPosition),
            static_cast<uint8_t>(walk.m_nMatchLength)};
}

// Inserts the strings at r0 and r1, which begin with different bytes and so go into different
// trees: the two descents are independent, and stepping them in turns does what inserting r0
// and then r1 does.
void CEncoder::InsertTwoNodes(int r0, int r1, CMatch& match0, CMatch& match1)
{
    CWalk walk0;
    CWalk walk1;
    StartWalk(walk0, r0);
    StartWalk(walk1, r1);
    for (;;) {
        const bool more0 = StepWalk(walk0);
        const bool more1 = StepWalk(walk1);
        if (!more0) {
            if (more1)
                while (StepWalk(walk1)) {
                }
            break;
        }
        if (!more1) {
            while (StepWalk(walk0)) {
            }
            break;
        }
    }
    FinishWalk(walk0);
    FinishWalk(walk1);
    match0 = {static_cast<uint16_t>(walk0.m_nMatchPosition),
              static_cast<uint8_t>(walk0.m_nMatchLength)};
    match1 = {static_cast<uint16_t>(walk1.m_nMatchPosition),
              static_cast<uint8_t>(walk1.m_nMatchLength)};
}

// Removes node p from its tree (nothing when it is not in one). A node with two children is
// replaced by the rightmost node of its left subtree.
inline void CEncoder::DeleteNode(int p)
{
    if (m_parent[p] == kNil)
        return;
    int q;
    if (m_child[p][kRight] == kNil)
        q = m_child[p][kLeft];
    else if (m_child[p][kLeft] == kNil)
        q = m_child[p][kRight];
    else {
        q = m_child[p][kLeft];
        if (m_child[q][kRight] != kNil) {
            do
                q = m_child[q][kRight];
            while (m_child[q][kRight] != kNil);
            m_child[m_parent[q]][kRight] = m_child[q][kLeft];
            m_parent[m_child[q][kLeft]] = m_parent[q];
            m_child[q][kLeft] = m_child[p][kLeft];
            m_parent[m_child[p][kLeft]] = static_cast<Node>(q);
        }
        m_child[q][kRight] = m_child[p][kRight];
        m_parent[m_child[p][kRight]] = static_cast<Node>(q);
    }
    m_parent[q] = m_parent[p];
    SlotOf(p) = static_cast<Node>(q);
    m_parent[p] = kNil;
}

inline void CEncoder::Slide(int s, const uint8_t* c)
{
    DeleteNode(s);
    if (c != nullptr) {
        m_ring[s] = *c;
        if (s < kMaxMatch - 1)
            m_ring[s + kRingSize] = *c;
    }
}

// The window slides by the length of each item written, and for every byte it slides the
// oldest string leaves the trees, one input byte is read and the next string goes in. That
// sequence of tree operations does not depend on the matches found: every string goes in, in
// input order. So the trees are brought up to date a block of strings at a time, keeping the
// match of every string, and the items are then written from the matches of the strings they
// start at. Within a block, operations on different trees may change places, which lets
// neighbouring descents overlap; the bytes written stay exactly the same.
std::vector<uint8_t> CEncoder::Run(std::span<const uint8_t> input,
                                   const ProgressFunction& progress)
{
    const uint8_t* in = input.data();
    const size_t inSize = input.size();
    if (inSize == 0)
        return {};

    // At worst every byte is a literal: nine output bytes for every eight, plus the flag slot
    // opened after the last full group.
    std::vector<uint8_t> output(inSize + inSize / 8 + 2);
    uint8_t* out = output.data();
    size_t flagAt = 0; // where the flag byte of the current group is
    size_t o = 1;      // where the next item goes
    uint8_t mask = 1;  // the flag bit of the next item
    out[0] = 0;

    InitTree();
    std::memset(m_ring, kFill, kFirstWrite);
    const size_t lookAhead = inSize < kMaxMatch ? inSize : kMaxMatch;
    std::memcpy(m_ring + kFirstWrite, in, lookAhead);

    // The match of the string at input index j is matches[j % kBlock].
    constexpr size_t kBlock = 4096;
    auto matches = std::make_unique<CMatch[]>(kBlock);

    // The F strings just before the first one begin with spaces; they go in first, nearest
    // last, which keeps the trees from degenerating. Then the first string itself.
    for (int i = 1; i <= kMaxMatch; ++i)
        InsertNode(kFirstWrite - i);
    matches[0] = InsertNode(kFirstWrite);

    constexpr size_t kProgressStep = 65536;
    size_t nextProgress = kProgressStep;
    size_t done = 1; // the strings whose matches are known: 0..done-1
    size_t j = 0;    // the input index of the next item
    while (j < inSize) {
        // Bring the trees up to the end of the next block. String j enters once the string at
        // ring position s = (j - 1) mod N has left and input byte j + F - 1 (if any) has taken
        // its place; it goes in at r = (4078 + j) mod N.
        const size_t blockEnd = std::min(inSize, (done / kBlock + 1) * kBlock);
        while (done < blockEnd) {
            const int s = static_cast<int>((done - 1) & kRingMask);
            const int r = static_cast<int>((kFirstWrite + done) & kRingMask);
            Slide(s, done + kMaxMatch - 1 < inSize ? in + done + kMaxMatch - 1 : nullptr);
            if (const CMatch previous = matches[(done - 1) % kBlock];
                previous.m_nLength == kMaxMatch &&
                ReplaceEqualNode((previous.m_nPosition + 1) & kRingMask, r)) {
                matches[done % kBlock] = {static_cast<uint16_t>((previous.m_nPosition + 1) &
                                                                kRingMask),
                                          static_cast<uint8_t>(kMaxMatch)};
                ++done;
                continue;
            }
            if (done + 1 < blockEnd && done + kMaxMatch < inSize) {
                // Two strings side by side go in together when they are in different trees and
                // the second deletion does not touch the first string's tree.
                const int s1 = (s + 1) & kRingMask;
                const uint8_t first0 = in[done];
                const uint8_t first1 = in[done + 1];
                if (first0 != first1 && (m_parent[s1] == kNil || m_ring[s1] != first0)) {
                    Slide(s1, in + done + kMaxMatch);
                    InsertTwoNodes(r, (r + 1) & kRingMask, matches[done % kBlock],
                                   matches[(done + 1) % kBlock]);
                    done += 2;
                    continue;
                }
            }
            matches[done % kBlock] = InsertNode(r);
            ++done;
        }

        // Write the items that start in this block.
        for (; j < done; ) {
            const CMatch match = matches[j % kBlock];
            // Near the end the match may run into stale bytes.
            size_t length = std::min<size_t>(match.m_nLength, inSize - j);
            if (length <= kThreshold) {
                length = 1;
                out[flagAt] |= mask;
                out[o++] = in[j];
            } else {
                out[o++] = static_cast<uint8_t>(match.m_nPosition);
                out[o++] = static_cast<uint8_t>(((match.m_nPosition >> 4) & 0xF0) |
                                                (length - (kThreshold + 1)));
            }
            mask = static_cast<uint8_t>(mask << 1);
            if (mask == 0) {
                flagAt = o;
                out[o++] = 0;
                mask = 1;
            }
            j += length;
        }
        if (progress && j >= nextProgress && j < inSize) {
            progress(j, inSize);
            nextProgress = (j / kProgressStep + 1) * kProgressStep;
        }
    }
    if (progress)
        progress(inSize, inSize);

    if (o == flagAt + 1)
        o = flagAt; // the last group is empty: no flag byte for it
    output.resize(o);
    return output;
}

// ---------------------------------------------------------------------------------------------
// Decoder

// A group is a flag byte and at most eight items of at most two input bytes each.
constexpr size_t kMaxGroupInput = 1 + 8 * 2;
// The fast copy of a reference moves 24 bytes whatever its length, so it may write up to 21
// bytes past the end of the output.
constexpr size_t kCopyPiece = 8;
constexpr size_t kCopyOverrun = 3 * kCopyPiece;

// The distance back in the output from output index o to the latest byte that went to ring
// position pos: 1..4096 (a distance of 0 would mean a full ring back).
size_t Distance(size_t o, unsigned pos)
{
    return ((kFirstWrite + o - pos - 1) & kRingMask) + 1;
}

// Copies a reference byte by byte. Sources before the start of the output are the initial
// ring: output index o sat at ring position (4078 + o) mod 4096.
void CopyFromHistory(uint8_t* out, size_t o, size_t distance, unsigned length)
{
    for (unsigned k = 0; k < length; ++k, ++o) {
        if (o >= distance)
            out[o] = out[o - distance];
        else
            out[o] = InitialRingByte(static_cast<int>((kFirstWrite + o - distance) & kRingMask));
    }
}

// Copies a reference whose source lies wholly in the output. May write bytes past the end of
// the copy (see kCopyOverrun); nothing has read them yet, and they are overwritten by what
// comes next or cut off at the end.
void CopyInOutput(uint8_t* dst, size_t distance, unsigned length)
{
    const uint8_t* src = dst - distance;
    if (distance >= kCopyPiece) {
        // At this distance each piece reads only bytes that are already final.
        std::memcpy(dst, src, kCopyPiece);
        std::memcpy(dst + kCopyPiece, src + kCopyPiece, kCopyPiece);
        std::memcpy(dst + 2 * kCopyPiece, src + 2 * kCopyPiece, kCopyPiece);
    } else {
        // Closer than a piece the copy feeds on itself: a run with a short period.
        for (unsigned k = 0; k < length; ++k)
            dst[k] = src[k];
    }
}

// How many bytes the stream decodes to, found by walking its items without copying anything,
// so the output can be allocated once at its final size.
size_t DecodedSize(std::span<const uint8_t> input)
{
    const uint8_t* in = input.data();
    const size_t inSize = input.size();
    size_t i = 0;
    size_t size = 0;
    while (inSize - i >= kMaxGroupInput) {
        unsigned flags = in[i++];
        for (int bit = 0; bit < 8; ++bit, flags >>= 1) {
            // Reading the second byte of a reference is harmless for a literal, and keeps
            // the loop free of branches.
            const unsigned literal = flags & 1;
            const size_t referenceLength = (in[i + 1] & 0x0F) + kThreshold + 1;
            size += literal ? 1 : referenceLength;
            i += 2 - literal;
        }
    }
    // The last few groups, where the stream may end inside an item.
    while (i < inSize) {
        unsigned flags = in[i++];
        for (int bit = 0; bit < 8; ++bit, flags >>= 1) {
            if (flags & 1) {
                if (i >= inSize)
                    return size;
                size += 1;
                i += 1;
            } else {
                if (inSize - i < 2)
                    return size;
                size += (in[i + 1] & 0x0F) + kThreshold + 1;
                i += 2;
            }
        }
    }
    return size;
}

} // namespace

std::vector<uint8_t> EncodeBuffer(std::span<const uint8_t> input)
{
    return EncodeBuffer(input, ProgressFunction());
}

std::vector<uint8_t> EncodeBuffer(std::span<const uint8_t> input,
                                  const ProgressFunction& progress)
{
    // About 55 KB of ring and trees: on the heap, allocated once for the whole call.
    auto encoder = std::make_unique<CEncoder>();
    return encoder->Run(input, progress);
}

std::vector<uint8_t> DecodeBuffer(std::span<const uint8_t> input)
{
    return DecodeBuffer(input, ProgressFunction());
}

std::vector<uint8_t> DecodeBuffer(std::span<const uint8_t> input,
                                  const ProgressFunction& progress)
{
    constexpr size_t kProgressStep = 65536;
    size_t nextProgress = kProgressStep;
    const uint8_t* in = input.data();
    const size_t inSize = input.size();
    size_t i = 0;
    // Allocated once at its final size, plus room for the fast copy to overrun.
    std::vector<uint8_t> output(DecodedSize(input) + kCopyOverrun);
    uint8_t* out = output.data();
    size_t o = 0;

    while (i < inSize) {
        if (i >= nextProgress) {
            if (progress)
                progress(i, inSize);
            nextProgress += kProgressStep;
        }
        const bool wholeGroup = inSize - i >= kMaxGroupInput && o >= kRingSize;
        unsigned flags = in[i++];

        if (wholeGroup) {
            // A whole group, every reference inside the output: no checks needed.
            if (flags == 0xFF) {
                std::memcpy(out + o, in + i, 8);
                i += 8;
                o += 8;
                continue;
            }
            for (int bit = 0; bit < 8; ++bit, flags >>= 1) {
                if (flags & 1) {
                    out[o++] = in[i++];
                } else {
                    const unsigned b0 = in[i];
                    const unsigned b1 = in[i + 1];
                    i += 2;
                    const unsigned length = (b1 & 0x0F) + kThreshold + 1;
                    CopyInOutput(out + o, Distance(o, b0 | ((b1 & 0xF0) << 4)), length);
                    o += length;
                }
            }
            continue;
        }

        // Near the start of the output or the end of the input.
        for (int bit = 0; bit < 8; ++bit, flags >>= 1) {
            if (flags & 1) {
                if (i >= inSize)
                    break;
                out[o++] = in[i++];
            } else {
                if (inSize - i < 2) {
                    i = inSize; // the stream ends inside a reference
                    break;
                }
                const unsigned b0 = in[i];
                const unsigned b1 = in[i + 1];
                i += 2;
                const unsigned length = (b1 & 0x0F) + kThreshold + 1;
                CopyFromHistory(out, o, Distance(o, b0 | ((b1 & 0xF0) << 4)), length);
                o += length;
            }
        }
    }
    if (progress && inSize > 0)
        progress(inSize, inSize);
    output.resize(o);
    return output;
}

// ---------------------------------------------------------------------------------------------
// Files and the command line

namespace {

enum class FileResult { ok, inputFailed, outputFailed };

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& data)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    data.clear();
    uint8_t chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        data.insert(data.end(), chunk, chunk + got);
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& data)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool ok = data.empty() || std::fwrite(data.data(), 1, data.size(), file) == data.size();
    if (std::fclose(file) != 0)
        ok = false;
    return ok;
}

FileResult CodeFile(const std::string& inputPath, const std::string& outputPath, bool encode)
{
    std::vector<uint8_t> input;
    if (!ReadWholeFile(inputPath, input))
        return FileResult::inputFailed;
    const std::vector<uint8_t> output = encode ? EncodeBuffer(input) : DecodeBuffer(input);
    if (!WriteWholeFile(outputPath, output))
        return FileResult::outputFailed;
    return FileResult::ok;
}

} // namespace

int Encode(const std::string& inputPath, const std::string& outputPath)
{
    return CodeFile(inputPath, outputPath, true) == FileResult::ok ? 0 : 1;
}

int Decode(const std::string& inputPath, const std::string& outputPath)
{
    return CodeFile(inputPath, outputPath, false) == FileResult::ok ? 0 : 1;
}

int Dispatch(int argc, const char* const argv[], std::FILE* console)
{
    if (argc < 4) {
        std::fputs("'lzss e file1 file2' encodes file1 into file2.\n"
                   "'lzss d file2 file1' decodes file2 into file1.\n",
                   console);
        return 1;
    }
    const char* mode = argv[1];
    if (mode[0] == '\0' || mode[1] != '\0' || std::strchr("eEdD", mode[0]) == nullptr) {
        std::fprintf(console, "??? %s\n", mode);
        return 1;
    }
    const bool encode = mode[0] == 'e' || mode[0] == 'E';
    switch (CodeFile(argv[2], argv[3], encode)) {
    case FileResult::ok:
        return 0;
    case FileResult::inputFailed:
        std::fprintf(console, "??? %s\n", argv[2]);
        return 1;
    case FileResult::outputFailed:
        std::fprintf(console, "??? %s\n", argv[3]);
        return 1;
    }
    return 1;
}

} // namespace lzss
