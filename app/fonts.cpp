#include "app/fonts.h"

#include <QFont>
#include <QStringList>

namespace vellaro::app {

void InstallFontSubstitutions() {
  // Qt's SVG module takes the artwork's font list as one family name.
  QFont::insertSubstitutions(QStringLiteral("Liberation Sans, Arial, sans-serif"),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

}  // namespace vellaro::app
