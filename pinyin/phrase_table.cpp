#include "pinyin/phrase_table.h"

#include <cstring>

extern const unsigned char kPhraseTableFile[];
extern const std::size_t kPhraseTableFile_size;

namespace {

constexpr std::string_view kMagic = "ZYFP";
constexpr std::uint32_t kFormat = 2;
constexpr std::size_t kHeadBytes = 4 + 7 * 4 + 3 * 2;
constexpr std::uint32_t kNoReading = 0xFFFF;
constexpr std::size_t kSlotBytes = 8;
// The character cells: first byte 81..FE, second byte 40..FE.
constexpr unsigned kFirstBytes = 0xFE - 0x81 + 1;
constexpr unsigned kSecondBytes = 0xFE - 0x40 + 1;
constexpr std::size_t kCharCellBytes = 4;
constexpr std::size_t kRecordBytes = 12;

// Numbers are read byte by byte where they lie: the embedded array has no alignment to rely on.
std::uint32_t U16At(std::string_view b, std::size_t at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.data() + at);
    return static_cast<std::uint32_t>(p[0] | p[1] << 8);
}
std::uint32_t U32At(std::string_view b, std::size_t at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.data() + at);
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint32_t Slot(std::uint32_t key, std::uint32_t mask) { return (key * 0x9E3779B1u >> 7) & mask; }

// Cuts n bytes off the front of rest; false when there are fewer.
bool Take(std::string_view& rest, std::size_t n, std::string_view& part) {
    if (rest.size() < n) return false;
    part = rest.substr(0, n);
    rest.remove_prefix(n);
    return true;
}

}  // namespace

PhraseTable::PhraseTable(std::string_view file) {
    if (Parse(file)) return;
    syllableOffsets_ = syllables_ = chars_ = slots_ = records_ = readingIds_ = words_ = {};
}

// Checks the sizes of the parts only: every lookup checks what it reads, so a table with bad
// numbers in it gives wrong readings at worst, never a read outside the file.
bool PhraseTable::Parse(std::string_view file) {
    const std::size_t nl = file.find('\n');
    if (file.empty() || file[0] != '#' || nl == std::string_view::npos) return false;
    std::string_view rest = file.substr(nl + 1), head;
    if (!Take(rest, kHeadBytes, head) || head.substr(0, 4) != kMagic || U32At(head, 4) != kFormat) return false;
    const std::uint32_t syllableCount = U32At(head, 8), syllableBytes = U32At(head, 12);
    const std::uint32_t wordCount = U32At(head, 16), wordBytes = U32At(head, 20);
    const std::uint32_t idCount = U32At(head, 24), slotCount = U32At(head, 28);
    if (slotCount == 0 || (slotCount & (slotCount - 1)) != 0) return false;
    std::string_view padding;
    if (!Take(rest, (std::size_t{syllableCount} + 1) * 4, syllableOffsets_) ||
        !Take(rest, syllableBytes, syllables_) || !Take(rest, (4 - syllableBytes % 4) % 4, padding) ||
        !Take(rest, std::size_t{kFirstBytes} * kSecondBytes * kCharCellBytes, chars_) ||
        !Take(rest, std::size_t{slotCount} * kSlotBytes, slots_) || !Take(rest, std::size_t{wordCount} * kRecordBytes, records_) ||
        !Take(rest, std::size_t{idCount} * 2, readingIds_) || !Take(rest, wordBytes, words_) || !rest.empty()) {
        return false;
    }
    syllableCount_ = syllableCount;
    wordCount_ = wordCount;
    idCount_ = idCount;
    slotMask_ = slotCount - 1;
    singleCost_ = U16At(head, 32);
    longest_ = U16At(head, 34);
    return true;
}

std::string_view PhraseTable::Syllable(std::uint32_t id) const {
    if (id >= syllableCount_) return {};
    const std::uint32_t begin = U32At(syllableOffsets_, 4 * std::size_t{id});
    const std::uint32_t end = U32At(syllableOffsets_, 4 * std::size_t{id} + 4);
    if (begin > end || end > syllables_.size()) return {};
    return syllables_.substr(begin, end - begin);
}

// The bytes of word index, or empty when its record points outside the table.
std::string_view PhraseTable::WordBytes(std::uint32_t index) const {
    const std::size_t at = std::size_t{index} * kRecordBytes;
    const std::uint32_t offset = U32At(records_, at), chars = U16At(records_, at + 10);
    if (chars < 2 || offset > words_.size() || words_.size() - offset < 2u * chars) return {};
    return words_.substr(offset, 2u * chars);
}

void PhraseTable::WordsAt(std::string_view text, std::vector<Word>& out) const {
    if (text.size() < 4 || wordCount_ == 0) return;
    const std::uint32_t key = U32At(text, 0);
    std::uint32_t first = wordCount_;
    for (std::uint32_t s = Slot(key, slotMask_), probes = 0; probes <= slotMask_; s = (s + 1) & slotMask_, ++probes) {
        const std::uint32_t slotKey = U32At(slots_, kSlotBytes * s);
        if (slotKey == 0) return;
        if (slotKey == key) {
            first = U32At(slots_, kSlotBytes * s + 4);
            break;
        }
    }
    // The group's words lie side by side, sorted: they follow its first word while the key holds.
    for (std::uint32_t w = first; w < wordCount_; ++w) {
        const std::string_view bytes = WordBytes(w);
        if (bytes.size() < 4 || U32At(bytes, 0) != key) break;
        if (bytes.size() <= text.size() && std::memcmp(bytes.data(), text.data(), bytes.size()) == 0) {
            const std::size_t at = std::size_t{w} * kRecordBytes;
            out.push_back({static_cast<std::uint32_t>(bytes.size() / 2), U16At(records_, at + 8), U32At(records_, at + 4)});
        }
    }
}

std::uint32_t PhraseTable::CharCost(unsigned char b1, unsigned char b2) const {
    if (b1 < 0x81 || b1 > 0xFE || b2 < 0x40 || b2 > 0xFE || chars_.empty()) return singleCost_;
    const std::uint32_t cost = U16At(chars_, ((b1 - 0x81u) * kSecondBytes + (b2 - 0x40u)) * kCharCellBytes);
    return cost == 0 ? singleCost_ : cost;
}

std::string_view PhraseTable::AloneReading(unsigned char b1, unsigned char b2) const {
    if (b1 < 0x81 || b1 > 0xFE || b2 < 0x40 || b2 > 0xFE || chars_.empty()) return {};
    const std::uint32_t id = U16At(chars_, ((b1 - 0x81u) * kSecondBytes + (b2 - 0x40u)) * kCharCellBytes + 2);
    return id == kNoReading ? std::string_view() : Syllable(id);
}

std::string_view PhraseTable::Reading(const Word& w, std::uint32_t k) const {
    if (w.firstReading == kOwnReadings || w.firstReading >= idCount_ || k >= idCount_ - w.firstReading) return {};
    return Syllable(U16At(readingIds_, 2 * std::size_t{w.firstReading + k}));
}

const PhraseTable& PhraseTable::Embedded() {
    static const PhraseTable table(
        std::string_view(reinterpret_cast<const char*>(kPhraseTableFile), kPhraseTableFile_size));
    return table;
}
