// Reading "korvan.ini": any file content must load without a fault, either giving the default
// values (with the warning) or values inside their ranges that survive writing and reading back.
#include "FuzzSupport.h"
#include "IniFile.h"

using namespace palvane;
using palvane::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScriptedPrompter prompter;
    const QString path = fuzz::writeScratchFile("korvan.ini", data, size);
    prompter.asked.clear();
    IniValues values;
    values.TaskIni = 77; // anything the load does not set must not survive a failure
    int languageCalls = 0;
    const bool ok = LoadIni(path, values, prompter, [&](int code) {
        ++languageCalls;
        check(code == values.LanguageCode, "language applied differs from the loaded one");
    });
    check(languageCalls <= 1, "language applied more than once");
    if (!ok) {
        check(values == IniValues{}, "a failed load left values other than the defaults");
        check(!prompter.asked.empty(), "a failed load without a warning");
        return 0;
    }
    check(prompter.asked.empty(), "a good load warned");
    // Loaded values are in range: writing them and reading them back changes nothing.
    IniValues again;
    check(parseIni(formatIni(values), again), "written values do not read back");
    check(again == values, "values out of range after a load");
    return 0;
}
