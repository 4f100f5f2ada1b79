// The WAV window's core: its fields read into settings, its channel choice,
// which controls are on in which state, and the line under its plot.
#include "TempFolder.h"
#include "signal/ChannelChoice.h"
#include "signal/ConversionRecord.h"
#include "signal/WavCheckLine.h"
#include "signal/WavControls.h"
#include "signal/WavFields.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vornax {
namespace {

TEST(WavFields, RefuseWhatTheWorkCouldNotUseAndSayWhichField)
{
    EXPECT_FLOAT_EQ(*secondsField("2,5"), 2.5f);
    EXPECT_FLOAT_EQ(*secondsField("0"), 0.0f);
    EXPECT_EQ(secondsField("-1").error(), "Valeur inadapter: \"-1\" n'est pas un temps en secondes");
    EXPECT_FALSE(secondsField("abc"));
    EXPECT_TRUE(startsWithin(5.9f, 6.0f));
    EXPECT_FALSE(startsWithin(6.0f, 6.0f));

    const auto tuning = detectionTuning("0,05", "0,3");
    ASSERT_TRUE(tuning);
    EXPECT_FLOAT_EQ(tuning->bounding, 0.05f);
    EXPECT_FLOAT_EQ(tuning->antiBounce, 0.3f);
    // Both wrong: the bounding is named, as it comes first.
    EXPECT_EQ(detectionTuning("x", "y").error(), "Valeur inadapter: Bornage des variation");
    EXPECT_EQ(detectionTuning("0,05", "y").error(), "Valeur inadapter: Anti rebond");

    const auto smoothing = smoothingFields(false, true, 3, "7");
    ASSERT_TRUE(smoothing);
    EXPECT_FALSE(smoothing->average);
    EXPECT_EQ(smoothing->level, 3);
    EXPECT_EQ(smoothing->skipped, 7);
    EXPECT_FALSE(smoothingFields(true, true, 1, "-1"));
    EXPECT_FALSE(smoothingFields(true, true, 1, ""));
    // Without Bézier its points do not matter.
    EXPECT_EQ(smoothingFields(true, false, 1, "").value().skipped, 10);

    struct Range {
        const char *low, *high;
        bool engine;
    };
    for (const Range& r : {Range{"800", "8000", true}, Range{"100", "150", true}, Range{"99", "8000", false},
                           Range{"800", "1199", false}, Range{"800", "1200", true}, Range{"800", "30001", false},
                           Range{"", "8000", false}, Range{"2000,5", "30000", true}})
        EXPECT_EQ(engineRange(r.low, r.high).ok(), r.engine) << r.low << " - " << r.high;
}

TEST(ChannelChoice, OffersEachChannelAndTheMixAndFindsTheRequestAgain)
{
    EXPECT_EQ(channelChoices(2),
              (std::vector<std::string>{"Automatique", "Canal 1 (gauche)", "Canal 2 (droite)", "Mélange"}));
    EXPECT_EQ(channelChoices(3), (std::vector<std::string>{"Automatique", "Canal 1", "Canal 2", "Canal 3", "Mélange"}));
    for (const int channels : {2, 3, 6})
        for (int index = 0; index <= channels + 1; ++index)
            EXPECT_EQ(channelChoiceIndex(channelOfChoice(index, channels), channels), index) << channels;
    EXPECT_EQ(channelOfChoice(3, 2).mode, ChannelRequest::Mode::Mix);
    EXPECT_EQ(channelOfChoice(0, 2).mode, ChannelRequest::Mode::Auto);
    EXPECT_EQ(channelOfChoice(2, 2).number, 2);
    // A channel the source has not is shown as its last.
    EXPECT_EQ(channelChoiceIndex({ChannelRequest::Mode::Number, 5}, 2), 2);
    EXPECT_TRUE(sameChannel({ChannelRequest::Mode::Mix, 1}, {ChannelRequest::Mode::Mix, 2}));
    EXPECT_FALSE(sameChannel({ChannelRequest::Mode::Number, 1}, {ChannelRequest::Mode::Number, 2}));
    EXPECT_EQ(channelUsedLine(2, 2), "canal 2 sur 2 retenu");
    EXPECT_EQ(channelUsedLine(0, 3), "3 canaux mélangés");
}

TEST(WavControls, FollowTheRecordingTheCurveTheSourceAndTheWork)
{
    struct Case {
        WavWindowState state;
        bool signalSettings, times, filter, others, cancel;
    };
    const Case cases[] = {
        {{}, false, true, false, true, false},                          // nothing open yet
        {{true, false, false, false}, true, true, false, true, false},  // a recording opened, no curve
        {{true, true, false, false}, true, true, true, true, false},
        {{false, true, false, false}, false, true, true, true, false},  // a curve file
        {{true, true, true, false}, true, false, true, true, false},    // the engine's sound
        {{true, true, false, true}, false, false, false, false, true},  // work under way
    };
    for (const Case& c : cases) {
        const WavEnabled e = enabledControls(c.state);
        EXPECT_EQ(e.signalSettings, c.signalSettings);
        EXPECT_EQ(e.times, c.times);
        EXPECT_EQ(e.filter, c.filter);
        EXPECT_EQ(e.others, c.others);
        EXPECT_EQ(e.cancel, c.cancel);
    }
}

TEST(ConversionRecord, OpensTheCopyAgainOnlyWhileNeitherFileChanged)
{
    testing::TempFolder folder;
    const auto source = folder.write("phone/take.m4a", "source bytes");
    const auto wav = folder.write("Wav/take.wav", "converted bytes");
    ASSERT_TRUE(writeConversionRecord(wav, source, {ChannelRequest::Mode::Number, 2}, 2, 3));
    const auto record = conversionRecordOf(wav, source);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->channel.mode, ChannelRequest::Mode::Number);
    EXPECT_EQ(record->channel.number, 2);
    EXPECT_EQ(record->used, 2);
    EXPECT_EQ(record->channels, 3);
    EXPECT_FALSE(conversionRecordOf(wav, folder.write("phone/other.m4a", "source bytes")));
    folder.write("Wav/take.wav", "converted bytes, changed since");
    EXPECT_FALSE(conversionRecordOf(wav, source));
    EXPECT_FALSE(writeConversionRecord(folder / "Wav/none.wav", source, {}, 0, 2));

    ImportReport report;
    report.codec = "aac";
    report.sampleRate = 48000;
    report.channels = 2;
    report.channel = 0;
    report.gainDb = 6.04;
    EXPECT_EQ(conversionNote(source, wav, report), "\"take.m4a\" converti en \"take.wav\" (8 bits mono 44100 Hz) : "
                                                   "aac 48000 Hz, 2 canaux, canaux mélangés, gain 6,0 dB.");
}

// Sparks of an engine rising from 2 000 to 4 000 rpm over 4 s, one every
// two revolutions, with `missed` of them left out in the middle.
std::vector<double> sparks(int missed = 0)
{
    std::vector<double> times;
    double t = 0;
    int k = 0;
    while (t < 4.0) {
        const double rpm = 2000.0 + 500.0 * t;
        if (k < 60 || k >= 60 + missed)
            times.push_back(t);
        t += 2.0 / (rpm / 60.0);
        ++k;
    }
    return times;
}

TEST(WavCheckLine, SaysWhatTheSparksAndTheTrackAreWorth)
{
    const std::vector<double> clean = sparks();
    SparkLineInput input;
    input.sparkTimes = &clean;
    CheckLine line = sparkLine(input);
    EXPECT_EQ(line.text, std::to_string(clean.size()) + " étincelles, aucune manquée");
    EXPECT_FALSE(line.loud);
    EXPECT_TRUE(line.untrusted.empty());

    const std::vector<double> gap = sparks(1);
    input.sparkTimes = &gap;
    input.precise = PreciseUncertainty{0.05, 0.3};
    line = sparkLine(input);
    EXPECT_EQ(line.text.rfind(std::to_string(gap.size()) + " étincelles : ", 0), 0u) << line.text;
    EXPECT_NE(line.text.find("   "), std::string::npos) << "the precise curve's figures follow";

    // Too few sparks at the threshold: said with the threshold, nothing else.
    input.tooFewSparks = true;
    input.threshold = 190;
    line = sparkLine(input);
    EXPECT_NE(line.text.find("seuil 190"), std::string::npos) << line.text;
    // A curve file: no sparks, only the precise figures if any.
    input = {};
    EXPECT_EQ(sparkLine(input).text, "");

    SoundLineInput sound;
    sound.pullStart = 1.62;
    sound.pullEnd = 9.9;
    sound.followedShare = 0.993;
    sound.medianConfidenceDb = 12.34;
    sound.warnings = {"l'allumage ne peut pas être suivi de 9,0 s à 9,1 s", "check the cylinders"};
    line = soundLine(sound);
    EXPECT_EQ(line.text,
              "Son du moteur : 2 allumages par tour, accélération de 1,6 à 9,9 s suivie à 99,3 %, "
              "confiance 12,3 dB ; l'allumage ne peut pas être suivi de 9,0 s à 9,1 s ; check the cylinders");
    EXPECT_FALSE(line.loud);
    // The channel tracked, of a recording of several.
    sound.channels = 2;
    sound.channel = 2;
    sound.steadyLinesHz = {50.01, 150.03};
    EXPECT_NE(
        soundLine(sound).text.find("confiance 12,3 dB, canal 2 sur 2 retenu, raies fixes ôtées à 50,0, 150,0 Hz ; "),
        std::string::npos)
        << soundLine(sound).text;
    // A doubt on the power, then on the track itself: said first, loudly, and
    // the curve is no measurement for the stronger reason.
    sound.powerDoubt = "the firing's phase wanders";
    line = soundLine(sound);
    EXPECT_EQ(line.text.rfind("PUISSANCE INCERTAINE : the firing's phase wanders. Son du moteur", 0), 0u);
    EXPECT_EQ(line.untrusted, sound.powerDoubt);
    sound.sure = false;
    line = soundLine(sound);
    EXPECT_TRUE(line.loud);
    EXPECT_EQ(line.text.rfind("SUIVI INCERTAIN : ", 0), 0u);
    EXPECT_NE(line.text.find("PUISSANCE INCERTAINE"), std::string::npos);
    EXPECT_EQ(line.untrusted, "le suivi du son du moteur n'est pas sûr");
}

}  // namespace
}  // namespace vornax
