#pragma once
// Pages of the product's website that do not depend on the edition.

#include <QString>

inline const QString kContactPage = QStringLiteral("https://www.veltrix-software.com/contact");
inline const QString kAboutPage = QStringLiteral("https://www.veltrix-software.com/about");
