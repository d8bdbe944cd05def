#include "app/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QFont>
#include <QStringList>

namespace vellaro::app {

QFont CaptionFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(11);
  font.setBold(true);
  return font;
}

void InstallFontSubstitutions() {
  // Qt's SVG module takes the artwork's font list as one family name.
  QFont::insertSubstitutions(QStringLiteral("Liberation Sans, Arial, sans-serif"),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

// Qt's own font database calls FcInit() too; fontconfig keeps the configuration loaded
// first, so Qt's call then finds it ready.
FontConfigurationLoader::FontConfigurationLoader() : thread_([] { FcInit(); }) {}

void FontConfigurationLoader::Wait() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace vellaro::app
