#pragma once
// "TVConfig.INI", the user-interface configuration, section "Options":
//   Lang        two-letter code of the user-interface language ("ZA");
//               the first two characters are used
//   PanelModel  panel model ("Korvex"); "KorvexF" (exactly) removes the
//               sounder and fire-brigade controls from the emulated front
// The file is named without a directory, so it lives in the settings
// directory. Also the names of the files read from the program directory.

#include <QByteArray>
#include <QString>

namespace tvconfig {

inline const QString FileName = QStringLiteral("TVConfig.INI");
inline const QByteArray Section = QByteArrayLiteral("Options");

inline const QByteArray KeyLang = QByteArrayLiteral("Lang");
inline const QByteArray DefaultLang = QByteArrayLiteral("ZA");

inline const QByteArray KeyPanelModel = QByteArrayLiteral("PanelModel");
inline const QByteArray DefaultPanelModel = QByteArrayLiteral("Korvex");
inline const QByteArray PanelModelWithoutSounders = QByteArrayLiteral("KorvexF");

// The welcome and about picture, in the program directory.
inline const QString LogoFileName = QStringLiteral("\\Logo.BMP");
// The address book, in the program directory.
inline const QString AddressBookFileName = QStringLiteral("address.ini");

} // namespace tvconfig

namespace tvconfig {

// A file named in the program directory: "\Logo.BMP" and "Logo.BMP" both
// mean the file Logo.BMP in that directory.
QString programDirectoryFile(const QString &programDirectory, const QString &name);

} // namespace tvconfig
