#pragma once
#include <QString>

namespace mirevo {

class Project;
class TextGrid;

// The basic setting of "set.kss": whether the first company of the company
// list becomes the prime contractor on every activation of the project
// window ("0"), or is put once into the contractor editor ("1").
enum class PrimeChoice { Unset, SetPrime, NoSetting };

namespace settings {

QString fileName(); // "set.kss" in the program folder

// Reads the first line; "0" / "1" choose, anything else keeps `current`.
// Throws Error when the file cannot be read.
PrimeChoice read(const QString& path, PrimeChoice current);
void write(const QString& path, PrimeChoice choice);

// The take-over done on each activation of the project window, after the
// registry has been reloaded. A first company row without a name gives
// nothing.
void takeOverPrime(PrimeChoice choice, const TextGrid& companies, Project& project);

} // namespace settings
} // namespace mirevo
