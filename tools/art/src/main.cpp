// Renders every picture of the program at 1x and 2x into <art dir>/pictures and writes the
// resource file <art dir>/pictures.qrc that lists them; or the application icon.
//
//   tavrin-art ART_DIR [NAME...]   (NAMEs limit the run to those pictures; the qrc is kept)
//   tavrin-art --app-icon THEME_DIR ID   (PNGs at every size and an SVG, in THEME_DIR)

#include "app_icon_files.h"
#include "catalogue.h"
#include "style.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

bool fontsAvailable() {
    const QStringList families = QFontDatabase::families();
    for (const QString& family : style::requiredFontFamilies()) {
        if (!families.contains(family)) {
            std::fprintf(stderr, "tavrin-art: font family \"%s\" is not installed\n",
                         qPrintable(family));
            return false;
        }
    }
    return true;
}

QString fileName(const Picture& picture, int scale) {
    return scale == 1 ? picture.name + ".png" : picture.name + QString("@%1x.png").arg(scale);
}

bool writeResourceFile(const QString& path, const std::vector<Picture>& pictures) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "<RCC>\n    <qresource prefix=\"/\">\n";
    for (const Picture& picture : pictures)
        for (int scale : {1, 2})
            out << "        <file>pictures/" << fileName(picture, scale) << "</file>\n";
    out << "    </qresource>\n</RCC>\n";
    return file.flush();
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() == 3 && arguments[0] == "--app-icon")
        return writeAppIcon(QDir(arguments[1]), arguments[2]) ? 0 : 1;
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: tavrin-art ART_DIR [NAME...]\n"
                             "       tavrin-art --app-icon THEME_DIR ID\n");
        return 2;
    }
    if (!fontsAvailable())
        return 1;
    const QDir artDir(arguments.first());
    const QStringList wanted = arguments.mid(1);
    if (!artDir.mkpath("pictures"))
        return 1;

    const std::vector<Picture> pictures = catalogue();
    int rendered = 0;
    for (const Picture& picture : pictures) {
        if (!wanted.isEmpty() && !wanted.contains(picture.name))
            continue;
        for (int scale : {1, 2}) {
            const QString path = artDir.filePath("pictures/" + fileName(picture, scale));
            if (!renderPicture(picture, scale).save(path, "PNG")) {
                std::fprintf(stderr, "tavrin-art: cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
        ++rendered;
    }
    if (rendered != (wanted.isEmpty() ? int(pictures.size()) : wanted.size())) {
        std::fprintf(stderr, "tavrin-art: unknown picture name given\n");
        return 1;
    }
    if (wanted.isEmpty() && !writeResourceFile(artDir.filePath("pictures.qrc"), pictures)) {
        std::fprintf(stderr, "tavrin-art: cannot write pictures.qrc\n");
        return 1;
    }
    std::printf("tavrin-art: rendered %d pictures at 1x and 2x\n", rendered);
    return 0;
}
