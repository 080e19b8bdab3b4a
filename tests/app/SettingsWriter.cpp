// Writes the keys of section Loop over and over until it is killed: key i gets the value of
// the current round. Used to check that a writer killed at any moment leaves a whole file.
#include "IniFile.h"

#include <QString>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const IniFile ini(QString::fromLocal8Bit(argv[1]));
    for (int round = 1;; ++round) {
        for (int key = 0; key < 20; ++key)
            ini.write(u"Loop", QStringLiteral("Key%1").arg(key), QStringLiteral("round %1 ").arg(round).repeated(20));
    }
}
