// Fuzzes the reader of version.ini: any bytes give a key list; every value the program asks for is
// text, and every amount either converts or fails with the program's own error.
#include "core/velmora_error.h"
#include "core/version_ini.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TVersionIni ini(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    static const char *const keys[] = {"velmorasets", "kranzhof", "brennholt", "showgoodbyeform", "Int1",  "Int5",
                                       "Int10",       "Int20",    "Int24",     "snd_pop",         "snd_quit", ""};
    for (const char *key : keys) {
        const QString name = QString::fromLatin1(key);
        const QString value = ini.value(name);
        if (!ini.contains(name) && !value.isEmpty())
            std::abort(); // a value for a key that is not there
        try {
            (void)ParseAmount(value);
        } catch (const VelmoraError &) {
        }
    }
    return 0;
}
