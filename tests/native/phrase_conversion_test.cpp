#include <gtest/gtest.h>

#include <random>
#include <string>

#include "cli/piecewise_conversion.h"
#include "cli/zyf_options.h"
#include "pinyin/conversion.h"
#include "pinyin/phrase_conversion.h"
#include "pinyin/phrase_table.h"
#include "text/hanzi.h"

extern const unsigned char kPhraseTableFile[];
extern const std::size_t kPhraseTableFile_size;

namespace {

GbkText Tones(std::string_view hanzi) { return ConvertHanziRunByPhrase(hanzi, PinyinMode::WithTones, false); }

// Polyphones in sentences, with the readings of the Xiandai Hanyu Cidian; each line also
// holds a word whose readings are the characters' own, beside the polyphone.
TEST(PhraseConversion, ReadsPolyphonesAsTheirWords) {
    const struct {
        const char* hanzi;
        const char* reading;
    } kCases[] = {
        {"银行行长", "yín háng háng zhǎng "},
        {"他在银行工作", "tā zài yín háng gōng zuò "},
        {"行走", "xíng zǒu "},
        {"这样不行", "zhè yàng bù xíng "},
        {"银行走廊", "yín háng zǒu láng "},  // 银行 holds its 行 against 行走
        {"登上长城", "dēng shàng cháng chéng "},
        {"长大", "zhǎng dà "},
        {"重新开始", "chóng xīn kāi shǐ "},
        {"还是", "hái shì "},
        {"归还图书", "guī huán tú shū "},
        {"睡觉", "shuì jiào "},
        {"感觉", "gǎn jué "},
        {"音乐", "yīn yuè "},
        {"快乐", "kuài lè "},
        {"中彩", "zhòng cǎi "},
        {"的确", "dí què "},
        {"目的", "mù dì "},
        // Words the essay counts mostly as other words or as their characters, and readings
        // that CC-CEDICT gives beside the standard one.
        {"文件中的", "wén jiàn zhōng de "},  // not 中的 zhòng dì, to hit the target
        {"数目为止", "shù mù wéi zhǐ "},
        {"尽可能少", "jǐn kě néng shǎo "},  // not 盡可能 jìn, a cross-reference
        {"下载文件", "xià zài wén jiàn "},
        {"尽量简短", "jǐn liàng jiǎn duǎn "},
        {"变得很长", "biàn de hěn cháng "},
        {"交互地执行", "jiāo hù de zhí xíng "},
    };
    for (const auto& c : kCases) EXPECT_EQ(Tones(c.hanzi), c.reading) << c.hanzi;
}

// A character outside every word reads as most of its uses do, a neutral reading of the
// program's own table stays, and characters without any reading read as without phrases.
TEST(PhraseConversion, CharactersOutsideWordsTakeTheirLeadingReading) {
    EXPECT_EQ(Tones("长"), "cháng ");
    EXPECT_EQ(Tones("行"), "xíng ");
    EXPECT_EQ(Tones("重"), "zhòng ");
    EXPECT_EQ(Tones("地"), "de ");
    for (const char* hanzi : {"中丆文", "丆", ""}) {
        EXPECT_EQ(Tones(hanzi), ConvertHanziText(hanzi, PinyinMode::WithTones, false)) << hanzi;
        EXPECT_EQ(ConvertHanziRunByPhrase(hanzi, PinyinMode::WithTones, true),
                  ConvertHanziText(hanzi, PinyinMode::WithTones, true)) << hanzi;
    }
}

TEST(PhraseConversion, TonelessAndInitialsComeFromTheToneReading) {
    EXPECT_EQ(TonelessSpelling("zhōng"), "zhong");
    EXPECT_EQ(TonelessSpelling("lǜ"), "lu");
    EXPECT_EQ(TonelessSpelling("luè"), "lue");
    EXPECT_EQ(TonelessSpelling("jun1"), "jun");
    EXPECT_EQ(TonelessSpelling("ceok"), "ceok");
    EXPECT_EQ(InitialOf("zhong"), "zh");
    EXPECT_EQ(InitialOf("wen"), "w");
    EXPECT_EQ(InitialOf("an"), "an");
    EXPECT_EQ(InitialOf("er"), "er");
    EXPECT_EQ(InitialOf("n"), "n");   // no initial shorter than the syllable
    EXPECT_EQ(InitialOf("ng"), "n");  // as the ReadingTable splits it

    // 行 reads xing in the ReadingTable but háng in 银行: the word's reading decides.
    EXPECT_EQ(ConvertHanziRunByPhrase("银行行走", PinyinMode::WithoutTones, false), "yin hang xing zou");
    EXPECT_EQ(ConvertHanziRunByPhrase("银行行走", PinyinMode::InitialsOnly, false), "y h x z");
    EXPECT_EQ(ConvertHanziRunByPhrase("长城绿", PinyinMode::WithoutTones, true), "长（chang）城（cheng）绿（lu）");
    EXPECT_EQ(ConvertHanziRunByPhrase("安长城", PinyinMode::InitialsOnly, true), "安（an）长（ch）城（ch）");
    // A character without a tone reading stands for itself in every mode.
    EXPECT_EQ(ConvertHanziRunByPhrase("中丆文", PinyinMode::WithoutTones, false), "zhong 丆 wen");
    EXPECT_EQ(ConvertHanziRunByPhrase("丆中", PinyinMode::InitialsOnly, false), "丆 zh");
}

// A table cut short is refused whole, so no lookup reads past its end.
TEST(PhraseTable, ATableCutShortHasNoWords) {
    const std::string_view whole(reinterpret_cast<const char*>(kPhraseTableFile), kPhraseTableFile_size);
    EXPECT_EQ(PhraseTable(whole).WordCount(), PhraseTable::Embedded().WordCount());
    for (std::size_t cut : {std::size_t{1}, std::size_t{4}, whole.size() / 3, whole.size() / 2}) {
        const PhraseTable t(whole.substr(0, whole.size() - cut));
        EXPECT_EQ(t.WordCount(), 0u) << cut;
        std::vector<std::string_view> readings;
        PhraseToneReadings("银行长城", t, readings);
        EXPECT_EQ(readings[1], "háng") << cut;  // the ToneReading of every character
    }
}

TEST(PhraseTable, AnIllFormedTableHasNoWords) {
    const std::string good(PhraseTable::Embedded().WordCount() > 0 ? "ok" : "");
    ASSERT_EQ(good, "ok");
    for (std::string_view file : {std::string_view(""), std::string_view("# header only\n"),
                                  std::string_view("# h\nZYFP\x01\0\0\0", 12), std::string_view("ZYFP")}) {
        const PhraseTable t(file);
        EXPECT_EQ(t.WordCount(), 0u);
        std::vector<std::string_view> readings;
        PhraseToneReadings("长城", t, readings);  // every character alone
        ASSERT_EQ(readings.size(), 2u);
        EXPECT_EQ(readings[0], "zhǎng");
    }
}

// The converter as zyf drives it: the result of a text is the same for any allowed cuts, a
// word wrapped at a line break is still read as the word, and anything else ends a word.
TEST(PiecewisePhrases, GivesTheWholeTextResultForAnyCuts) {
    const std::string text = "他在银行\n行长那里，长\r\n城上重\n新开始。a银行 行长\n";
    const PinyinMode modes[] = {PinyinMode::WithTones, PinyinMode::WithoutTones, PinyinMode::InitialsOnly};
    std::mt19937 rng(12);
    for (PinyinMode mode : modes) {
        for (bool mixed : {false, true}) {
            for (bool perLine : {false, true}) {
                auto convert = [&](bool cutAnywhere) {
                    PiecewiseConverter converter(mode, mixed, perLine, true);
                    GbkText out;
                    auto add = [&out](const PiecewiseConverter::Piece& p) {
                        if (p.spaceFirst) out += ' ';
                        out += p.text;
                    };
                    std::string_view rest = text;
                    while (!rest.empty()) {
                        std::size_t cut = cutAnywhere ? ConvertiblePrefix(rest.substr(0, rng() % (rest.size() + 1))) : 0;
                        if (cut == 0) cut = rest.size();
                        add(converter.Convert(rest.substr(0, cut)));
                        rest.remove_prefix(cut);
                    }
                    add(converter.Finish());
                    EXPECT_EQ(converter.Count(), ExtractHanzi(text).Count());
                    return out;
                };
                const GbkText whole = convert(false);
                for (int round = 0; round < 20; ++round) EXPECT_EQ(convert(true), whole);
                if (mode == PinyinMode::WithTones && !mixed) {
                    EXPECT_EQ(whole, "tā zài yín háng háng zhǎng nà lǐ cháng chéng shàng chóng xīn kāi shǐ "
                                     "yín háng háng zhǎng ");
                }
                if (mode == PinyinMode::WithoutTones && !mixed) {
                    EXPECT_EQ(whole, "ta zai yin hang hang zhang na li chang cheng shang chong xin kai shi "
                                     "yin hang hang zhang");
                }
                if (mode == PinyinMode::WithTones && mixed && perLine) {
                    const GbkText head = "他（tā）\r\n在（zài）\r\n银（yín）\r\n";
                    EXPECT_EQ(whole.substr(0, head.size()), head);
                }
            }
        }
    }
}

// Without --phrases the converter gives what ConvertHanziText gives, on a long text.
TEST(PiecewisePhrases, WithoutPhrasesNothingChanges) {
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "银行行长不行，长城重新还觉\n";
    for (PinyinMode mode : {PinyinMode::WithTones, PinyinMode::WithoutTones, PinyinMode::InitialsOnly}) {
        PiecewiseConverter converter(mode, false, false);
        const PiecewiseConverter::Piece p = converter.Convert(text);
        EXPECT_EQ(p.text, ConvertHanziText(ExtractHanzi(text).Joined(), mode, false));
        EXPECT_TRUE(converter.Finish().text.empty());
    }
}

TEST(ZyfOptions, PhrasesIsAFlag) {
    EXPECT_FALSE(ParseZyfOptions({}).options.phrases);
    EXPECT_TRUE(ParseZyfOptions({"--phrases", "-m", "initials"}).options.phrases);
    EXPECT_EQ(ParseZyfOptions({"--phrases=1"}).error, "option --phrases takes no value");
}

}  // namespace
