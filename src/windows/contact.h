#pragma once
// Where the maker and the author can be reached; shown by the about box, the
// read-me text and the more-filters message.
#include <QString>

namespace contact {
inline const QString kMaker = QStringLiteral("Marrowgate");
inline const QString kAuthor = QStringLiteral("Quenmoor");
inline const QString kHomePage = QStringLiteral("http://www.marrowgate.example/");
inline const QString kFilterPage = QStringLiteral("http://www.marrowgate.example/glimmerdeck/filters/");
inline const QString kAuthorEmail = QStringLiteral("quenmoor@marrowgate.example");
} // namespace contact
