// The sound slots: empty until LoadWaves, then each the whole of its WAVE
// resource, read into a sound that the player can take. Runs with no sound
// server reachable: every request must pass without a word.
#include "WaveImage.h"
#include "catalogue.h"
#include "mdlSound.h"

#include <QRegularExpression>
#include <QTest>

namespace {

const Sound allSlots[] = {Sound::sndFlip,  Sound::sndWin,    Sound::sndClick,
                          Sound::sndMatch, Sound::sndRefuse, Sound::sndSpare};

} // namespace

class MdlSoundTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    // Declared first: QtTest runs the functions in this order, and the
    // slots stay filled once LoadWaves has run.
    void everySlotIsEmptyBeforeLoadWaves();
    void playingAnEmptySlotPassesSilently();
    void eachSlotHoldsEveryByteOfItsResource_data();
    void eachSlotHoldsEveryByteOfItsResource();
    void theSlotsTogetherHoldAllSixResources();
    void eachSlotPlaysItsSoundWithoutASoundServer_data();
    void eachSlotPlaysItsSoundWithoutASoundServer();
};

void MdlSoundTest::init()
{
    // Only the sound-server complaints are dropped; anything else would fail.
    QTest::failOnWarning(QRegularExpression(".*"));
}

void MdlSoundTest::everySlotIsEmptyBeforeLoadWaves()
{
    for (Sound slot : allSlots)
        QVERIFY(mdlSound::slotBytes(slot).isEmpty());
}

void MdlSoundTest::playingAnEmptySlotPassesSilently()
{
    for (Sound slot : allSlots)
        mdlSound::PlayWave(slot);
}

void MdlSoundTest::eachSlotHoldsEveryByteOfItsResource_data()
{
    QTest::addColumn<Sound>("slot");
    QTest::addColumn<int>("resource");
    QTest::addColumn<int>("bytes");

    QTest::newRow("sndFlip") << Sound::sndFlip << 102 << 980;
    QTest::newRow("sndWin") << Sound::sndWin << 103 << 42436;
    QTest::newRow("sndClick") << Sound::sndClick << 104 << 1388;
    // Its last two bytes lie after the RIFF chunk, and are kept.
    QTest::newRow("sndMatch") << Sound::sndMatch << 105 << 88612;
    QTest::newRow("sndRefuse") << Sound::sndRefuse << 106 << 5432;
    QTest::newRow("sndSpare") << Sound::sndSpare << 108 << 4664;
}

void MdlSoundTest::eachSlotHoldsEveryByteOfItsResource()
{
    QFETCH(Sound, slot);
    QFETCH(int, resource);
    QFETCH(int, bytes);

    mdlSound::LoadWaves();
    QCOMPARE(mdlSound::slotBytes(slot).size(), bytes);
    QCOMPARE(mdlSound::slotBytes(slot), Catalogue::LoadResData(resource, "WAVE"));
}

void MdlSoundTest::theSlotsTogetherHoldAllSixResources()
{
    mdlSound::LoadWaves();
    qsizetype total = 0;
    for (Sound slot : allSlots)
        total += mdlSound::slotBytes(slot).size();
    QCOMPARE(total, 143512);
}

void MdlSoundTest::eachSlotPlaysItsSoundWithoutASoundServer_data()
{
    QTest::addColumn<Sound>("slot");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("milliseconds");

    QTest::newRow("sndFlip") << Sound::sndFlip << 1 << 22050 << 42;
    QTest::newRow("sndWin") << Sound::sndWin << 1 << 22050 << 1922;
    QTest::newRow("sndClick") << Sound::sndClick << 1 << 22050 << 61;
    QTest::newRow("sndMatch") << Sound::sndMatch << 2 << 44100 << 502;
    QTest::newRow("sndRefuse") << Sound::sndRefuse << 1 << 22050 << 244;
    QTest::newRow("sndSpare") << Sound::sndSpare << 1 << 22050 << 210;
}

void MdlSoundTest::eachSlotPlaysItsSoundWithoutASoundServer()
{
    QFETCH(Sound, slot);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, milliseconds);

    mdlSound::LoadWaves();
    const WaveSound sound = parseWave(mdlSound::slotBytes(slot));
    QCOMPARE(sound.format.channels, channels);
    QCOMPARE(sound.format.sampleRate, rate);
    const double frames = double(sound.samples.size()) / sound.format.bytesPerFrame();
    QCOMPARE(qRound(frames * 1000 / sound.format.sampleRate), milliseconds);
    mdlSound::PlayWave(slot);
}

QTEST_GUILESS_MAIN(MdlSoundTest)
#include "mdl_sound_test.moc"
