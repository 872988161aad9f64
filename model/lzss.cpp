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
#include <array>
#include <atomic>
#include <bit>
#include <cstring>
#include <memory>
#include <system_error>
#include <thread>

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

// The longest match of one string, as the last InsertNode left it.
struct CMatch {
    uint16_t m_nPosition;
    uint8_t m_nLength;
};

// The trees of some or all of the 256 first bytes, kept up to date as the window slides over
// the input. Every tree changes only through the insertions and deletions of strings that
// begin with its byte, and while a string is in a tree its 18 ring bytes stay as they are. So
// the trees of different bytes evolve independently, and two encoders that own different
// bytes can bring their trees up to date side by side, each reporting the matches of the
// strings it owns.
class CEncoder {
public:
    // Starts on `input`, owning the trees of the bytes marked in `owned`.
    void Begin(std::span<const uint8_t> input, const std::array<bool, 256>& owned);
    // Brings the trees up to string `end` (exclusive), storing the match of every owned string
    // j at matches[j - base].
    void Advance(size_t end, CMatch* matches, size_t base);

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
    void InitTree();
    void StartWalk(CWalk& walk, int r);
    bool StepWalk(CWalk& walk);
    void FinishWalk(const CWalk& walk);
    CMatch InsertNode(int r);
    bool ReplaceEqualNode(int q, int r);
    size_t NextPartner(size_t j, size_t end) const;
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

    const uint8_t* m_pInput;
    size_t m_nInputSize;
    std::array<bool, 256> m_bOwned;
    size_t m_nDone;       // the strings already in: 0..m_nDone-1
    size_t m_nLastOwned;  // the latest owned string, when m_bHaveLast
    CMatch m_lastMatch;   // and its match
    bool m_bHaveLast;
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
CMatch CEncoder::InsertNode(int r)
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
void CEncoder::Begin(std::span<const uint8_t> input, const std::array<bool, 256>& owned)
{
    m_pInput = input.data();
    m_nInputSize = input.size();
    m_bOwned = owned;
    m_bHaveLast = false;
    InitTree();
    // The mirror bytes past the ring start as 0, not as the spaces they mirror: only bytes
    // written later are mirrored.
    std::memset(m_ring, 0, sizeof m_ring);
    std::memset(m_ring, kFill, kFirstWrite);
    const size_t lookAhead = m_nInputSize < kMaxMatch ? m_nInputSize : kMaxMatch;
    std::memcpy(m_ring + kFirstWrite, m_pInput, lookAhead);

    // The F strings just before the first one begin with spaces; they go in first, nearest
    // last, which keeps the trees from degenerating. Then the first string itself.
    if (m_bOwned[kFill])
        for (int i = 1; i <= kMaxMatch; ++i)
            InsertNode(kFirstWrite - i);
    m_nDone = 0;
}

void CEncoder::Advance(size_t end, CMatch* matches, size_t base)
{
    const uint8_t* in = m_pInput;
    const size_t inSize = m_nInputSize;
    // Kept in locals: the ring's byte stores could otherwise change them, as far as the
    // compiler knows, and they would go through memory at every string.
    size_t done = m_nDone;
    size_t lastOwned = m_nLastOwned;
    CMatch lastMatch = m_lastMatch;
    bool haveLast = m_bHaveLast;
    auto owned = [&](size_t j, CMatch match) {
        matches[j - base] = match;
        lastOwned = j;
        lastMatch = match;
        haveLast = true;
    };
    if (done == 0 && done < end) {
        if (m_bOwned[in[0]])
            owned(0, InsertNode(kFirstWrite));
        done = 1;
    }
    // String j enters once the string at ring position s = (j - 1) mod N has left and input
    // byte j + F - 1 (if any) has taken its place; it goes in at r = (4078 + j) mod N, and its
    // first byte is in[j].
    while (done < end) {
        const int s = static_cast<int>((done - 1) & kRingMask);
        const int r = static_cast<int>((kFirstWrite + done) & kRingMask);
        Slide(s, done + kMaxMatch - 1 < inSize ? in + done + kMaxMatch - 1 : nullptr);
        if (!m_bOwned[in[done]]) {
            ++done;
            continue;
        }
        // Where the latest owned string matched all F bytes, this one most likely matches the
        // string as far along from there.
        if (haveLast && lastMatch.m_nLength == kMaxMatch) {
            const int q =
                static_cast<int>((lastMatch.m_nPosition + (done - lastOwned)) & kRingMask);
            if (ReplaceEqualNode(q, r)) {
                owned(done, {static_cast<uint16_t>(q), static_cast<uint8_t>(kMaxMatch)});
                ++done;
                continue;
            }
        }
        // The next owned string goes in together with this one when it can. With the trees
        // shared between encoders it need not be the very next string.
        if (const size_t next = NextPartner(done, end); next != 0) {
            for (size_t k = done + 1; k <= next; ++k)
                Slide(static_cast<int>((k - 1) & kRingMask), in + k + kMaxMatch - 1);
            CMatch match0;
            CMatch match1;
            InsertTwoNodes(r, static_cast<int>((kFirstWrite + next) & kRingMask), match0,
                           match1);
            matches[done - base] = match0;
            owned(next, match1);
            done = next + 1;
            continue;
        }
        owned(done, InsertNode(r));
        ++done;
    }
    m_nDone = done;
    m_nLastOwned = lastOwned;
    m_lastMatch = lastMatch;
    m_bHaveLast = haveLast;
}

// The owned string after owned string j (whose deletion is done) that can go in together with
// j, or 0 when there is none near enough: one in another tree, with no deletion up to its own
// touching j's tree.
inline size_t CEncoder::NextPartner(size_t j, size_t end) const
{
    constexpr size_t kReach = 8;
    // Every string up to the partner reads its new byte: none past the end of the input.
    if (j + kMaxMatch + 1 >= m_nInputSize)
        return 0;
    const uint8_t first = m_pInput[j];
    const size_t last = std::min({j + kReach, end - 1, m_nInputSize - kMaxMatch - 1});
    for (size_t k = j + 1; k <= last; ++k) {
        const int s = static_cast<int>((k - 1) & kRingMask);
        if (m_parent[s] != kNil && m_ring[s] == first)
            return 0; // this deletion changes j's tree
        if (m_bOwned[m_pInput[k]])
            return m_pInput[k] != first ? k : 0;
    }
    return 0;
}

// Writes the items of the stream from the matches of the strings they start at.
class CItemWriter {
public:
    explicit CItemWriter(std::span<const uint8_t> input)
        : m_pInput(input.data()), m_nInputSize(input.size()),
          // At worst every byte is a literal: nine output bytes for every eight, plus the flag
          // slot opened after the last full group.
          m_output(input.size() + input.size() / 8 + 2)
    {
        m_output[0] = 0;
    }

    // Writes every item that starts before string `end`; matches[j - base] is string j's.
    void Write(size_t end, const CMatch* matches, size_t base)
    {
        const uint8_t* in = m_pInput;
        uint8_t* out = m_output.data();
        size_t j = m_nNext;
        size_t o = m_nOut;
        size_t flagAt = m_nFlagAt;
        uint8_t mask = m_nMask;
        while (j < end) {
            const CMatch match = matches[j - base];
            // Near the end the match may run into stale bytes.
            size_t length = std::min<size_t>(match.m_nLength, m_nInputSize - j);
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
        m_nNext = j;
        m_nOut = o;
        m_nFlagAt = flagAt;
        m_nMask = mask;
    }

    // The input index of the next item.
    size_t Next() const { return m_nNext; }

    std::vector<uint8_t> Finish()
    {
        if (m_nOut == m_nFlagAt + 1)
            m_nOut = m_nFlagAt; // the last group is empty: no flag byte for it
        m_output.resize(m_nOut);
        return std::move(m_output);
    }

private:
    const uint8_t* m_pInput;
    size_t m_nInputSize;
    std::vector<uint8_t> m_output;
    size_t m_nNext = 0;   // the input index of the next item
    size_t m_nOut = 1;    // where the next item goes
    size_t m_nFlagAt = 0; // where the flag byte of the current group is
    uint8_t m_nMask = 1;  // the flag bit of the next item
};

class CProgressReporter {
public:
    CProgressReporter(const ProgressFunction& progress, size_t total)
        : m_progress(progress), m_nTotal(total)
    {
    }
    void Report(size_t done)
    {
        if (m_progress && done >= m_nNext && done < m_nTotal) {
            m_progress(done, m_nTotal);
            m_nNext = (done / kStep + 1) * kStep;
        }
    }
    void Finish()
    {
        if (m_progress)
            m_progress(m_nTotal, m_nTotal);
    }

private:
    static constexpr size_t kStep = 65536;
    const ProgressFunction& m_progress;
    size_t m_nTotal;
    size_t m_nNext = kStep;
};

// One encoder owning every tree.
std::vector<uint8_t> EncodeAlone(std::span<const uint8_t> input, const ProgressFunction& progress,
                                 size_t blockSize)
{
    std::array<bool, 256> all;
    all.fill(true);
    // About 55 KB of ring and trees: on the heap.
    auto encoder = std::make_unique<CEncoder>();
    encoder->Begin(input, all);
    auto matches = std::make_unique<CMatch[]>(blockSize);
    CItemWriter writer(input);
    CProgressReporter reporter(progress, input.size());
    for (size_t base = 0; base < input.size(); base += blockSize) {
        const size_t end = std::min(input.size(), base + blockSize);
        encoder->Advance(end, matches.get(), base);
        // An item may run into the next block, but every item starts in the block it is
        // written with.
        writer.Write(end, matches.get(), base);
        reporter.Report(writer.Next());
    }
    reporter.Finish();
    return writer.Finish();
}

// Gives each of two encoders the first bytes of about half the strings, the most frequent
// bytes first, each to the encoder with fewer strings so far.
std::array<bool, 256> FirstHalfOfTrees(std::span<const uint8_t> input)
{
    std::array<size_t, 256> counts{};
    for (const uint8_t c : input)
        ++counts[c];
    // The space tree also holds the F strings of the initial ring.
    counts[kFill] += kMaxMatch;
    std::array<int, 256> order;
    for (int c = 0; c < 256; ++c)
        order[static_cast<size_t>(c)] = c;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return counts[static_cast<size_t>(a)] > counts[static_cast<size_t>(b)];
    });
    std::array<bool, 256> first{};
    size_t load[2] = {0, 0};
    for (const int c : order) {
        const int to = load[0] <= load[1] ? 0 : 1;
        first[static_cast<size_t>(c)] = to == 0;
        load[to] += counts[static_cast<size_t>(c)];
    }
    return first;
}

// Two encoders owning half the trees each, on threads of their own, while this thread writes
// the items. The encoders go through the strings a block at a time, into a ring of buffers of
// matches, and either may run ahead of the other by up to a ring's worth of blocks: which
// trees are busy changes along the input. Returns false, having made nothing, when the
// threads cannot be started.
bool EncodeInTwo(std::span<const uint8_t> input, const ProgressFunction& progress,
                 size_t blockSize, std::vector<uint8_t>& output)
{
    constexpr size_t kBuffers = 16;
    const std::array<bool, 256> first = FirstHalfOfTrees(input);
    std::array<bool, 256> second;
    for (size_t c = 0; c < 256; ++c)
        second[c] = !first[c];
    auto encoders = std::make_unique<CEncoder[]>(2);
    encoders[0].Begin(input, first);
    encoders[1].Begin(input, second);
    auto matches = std::make_unique<CMatch[]>(kBuffers * blockSize);
    CItemWriter writer(input);
    CProgressReporter reporter(progress, input.size());
    const size_t blocks = (input.size() + blockSize - 1) / blockSize;

    // Blocks each encoder has finished, and blocks written: block b goes into buffer
    // b % kBuffers once block b - kBuffers is written.
    std::atomic<size_t> advanced[2] = {0, 0};
    std::atomic<size_t> written = 0;
    auto waitFor = [](const std::atomic<size_t>& counter, size_t atLeast) {
        for (size_t seen = counter.load(); seen < atLeast; seen = counter.load())
            counter.wait(seen);
    };
    auto work = [&](int e) {
        for (size_t b = 0; b < blocks; ++b) {
            if (b >= kBuffers)
                waitFor(written, b - kBuffers + 1);
            const size_t base = b * blockSize;
            encoders[e].Advance(std::min(input.size(), base + blockSize),
                                matches.get() + (b % kBuffers) * blockSize, base);
            advanced[e].store(b + 1);
            advanced[e].notify_all();
        }
    };
    std::thread threads[2];
    for (int e = 0; e < 2; ++e) {
        try {
            threads[e] = std::thread(work, e);
        } catch (const std::system_error&) {
            // Let a started encoder run to its end unhindered.
            written.store(blocks);
            written.notify_all();
            for (std::thread& thread : threads)
                if (thread.joinable())
                    thread.join();
            return false;
        }
    }
    for (size_t b = 0; b < blocks; ++b) {
        waitFor(advanced[0], b + 1);
        waitFor(advanced[1], b + 1);
        // Every item starts in the block whose writing reaches it: the writing of the block
        // before ended with an item running into this one, never short of it.
        const size_t base = b * blockSize;
        writer.Write(std::min(input.size(), base + blockSize),
                     matches.get() + (b % kBuffers) * blockSize, base);
        written.store(b + 1);
        written.notify_all();
        reporter.Report(writer.Next());
    }
    for (std::thread& thread : threads)
        thread.join();
    reporter.Finish();
    output = writer.Finish();
    return true;
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
    // Below a quarter of a megabyte a second thread saves less than it costs to start.
    constexpr size_t kTwoThreadsFrom = 256u << 10;
    const bool two = input.size() >= kTwoThreadsFrom && std::thread::hardware_concurrency() >= 2;
    return EncodeBuffer(input, progress, two ? 2 : 1, 0);
}

std::vector<uint8_t> EncodeBuffer(std::span<const uint8_t> input,
                                  const ProgressFunction& progress, int threads,
                                  size_t blockSize)
{
    if (input.empty())
        return {};
    if (threads >= 2) {
        std::vector<uint8_t> output;
        if (EncodeInTwo(input, progress, blockSize != 0 ? blockSize : 65536, output))
            return output;
    }
    return EncodeAlone(input, progress, blockSize != 0 ? blockSize : 4096);
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
