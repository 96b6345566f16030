// With no sound device and no sound server, the program stays silent on standard
// error: the sound library's own complaints are routed away, and no sound is
// simply no sound.
//
// The environment is made so on any machine: SDL chooses its output itself (no
// SDL_AUDIODRIVER), the PulseAudio and PipeWire clients are pointed at sockets
// that do not exist, and ALSA's default card is one no machine has. A raw SDL
// open in that environment (this program run with --raw-open) shows that the
// environment does reach ALSA and that ALSA does complain there.
#include <cstdio>
#include <cstring>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <SDL.h>

namespace {

// Opens the default output device the way a program does that leaves SDL to choose.
int rawOpen()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return 3;
    SDL_AudioSpec want{};
    want.freq = 22050;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    std::printf("%s %s\n", SDL_GetCurrentAudioDriver(), device ? "opened" : "failed");
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
}

}  // namespace

class QuietWithoutSoundTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    QProcessEnvironment noSound() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("SDL_AUDIODRIVER");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HOME", home_.path());  // no ~/.asoundrc
        env.insert("XDG_RUNTIME_DIR", home_.path());
        env.insert("PULSE_SERVER", "unix:" + home_.filePath("no-pulse-server"));
        env.insert("PIPEWIRE_REMOTE", home_.filePath("no-pipewire-server"));
        env.insert("ALSA_CONFIG_PATH", home_.filePath("asound.conf"));
        return env;
    }

    struct Run {
        QByteArray out, err;
    };
    Run run(const QString& program, const QStringList& args, int aliveMs)
    {
        QProcess p;
        p.setProcessEnvironment(noSound());
        p.start(program, args);
        if (!p.waitForStarted())
            return {};
        if (aliveMs > 0) {
            // Past the opening recitation's request and the device's open.
            QTest::qWait(aliveMs);
            if (p.state() != QProcess::Running)
                return {"", "the program ended by itself: " + p.readAllStandardError()};
            p.terminate();
        }
        p.waitForFinished(30000);
        return {p.readAllStandardOutput(), p.readAllStandardError()};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(home_.isValid());
        QFile conf(home_.filePath("asound.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("</usr/share/alsa/alsa.conf>\ndefaults.ctl.card 99\ndefaults.pcm.card 99\n");
    }

    void theEnvironmentHasNoSoundAndAlsaComplainsInIt()
    {
        const Run raw = run(QCoreApplication::applicationFilePath(), {"--raw-open"}, 0);
        QCOMPARE(raw.out.trimmed(), QByteArray("alsa failed"));
        QVERIFY2(raw.err.contains("ALSA lib"), raw.err.constData());
    }

    void theProgramSaysNothingOnStandardError()
    {
        const Run program = run(QStringLiteral(AYAT_RUNTIME_DIR "/ayat-explorer"), {}, 3000);
        QVERIFY2(program.err.isEmpty(), program.err.constData());
    }
};

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--raw-open") == 0)
        return rawOpen();
    QCoreApplication app(argc, argv);
    QuietWithoutSoundTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_quiet_without_sound.moc"
