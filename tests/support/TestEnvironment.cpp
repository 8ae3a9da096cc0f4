// Compiled into every test program: the environment each test runs in, whatever started it
// (ctest, a debugger, a shell), and the sanitizer settings for the ASan + UBSan build.
#include <QByteArray>
#include <QtGlobal>

namespace {

void setDefault(const char *name, const QByteArray &value)
{
    if (qEnvironmentVariableIsEmpty(name))
        qputenv(name, value);
}

// Runs before main(): headless, at logical DPI 96 and pixel ratio 1.
const bool environmentSet = [] {
    setDefault("QT_QPA_PLATFORM", "offscreen");
    setDefault("QT_ENABLE_HIGHDPI_SCALING", "0");
    setDefault("QT_FONT_DPI", "96");
    setDefault("KADELO_SOURCE_DIR", KADELO_SOURCE_DIR);
    return true;
}();

} // namespace

// ImageMagick's coders keep strings made while reading a header for the rest of the process
// (the pnm coder's ping, for one). Those leaks are the library's, not ours.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:AcquireString\n";
}
