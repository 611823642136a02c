// Build-time tool: renders the SVG pictures kept in resources/ to bitmaps, so that the
// program draws its pictures without Qt Svg.
//
//     korrelin_render SOURCE.svg TARGET.bmp
//         the About picture "Korrelin.bmp", at the SVG's own size on black
//     korrelin_render --png TARGET_DIR SOURCE.svg...
//         TARGET_DIR/NAME.png at the SVG's own size and TARGET_DIR/NAME@2x.png at twice
//         that (for high-density screens), on a transparent ground
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool render(const QString& source, const QString& target, int scale, const QColor& ground)
{
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not a readable SVG picture\n", qPrintable(source));
        return false;
    }
    QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(ground);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (ground.alpha() == 255)
        image = image.convertToFormat(QImage::Format_RGB32);
    if (!image.save(target)) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(target));
        return false;
    }
    return true;
}

bool renderPngs(const QString& targetDir, const QStringList& sources)
{
    const QDir target(targetDir);
    if (!target.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "%s: cannot make the folder\n", qPrintable(targetDir));
        return false;
    }
    for (const QString& source : sources) {
        const QString name = QFileInfo(source).completeBaseName();
        if (!render(source, target.filePath(name + QLatin1String(".png")), 1, Qt::transparent) ||
            !render(source, target.filePath(name + QLatin1String("@2x.png")), 2, Qt::transparent))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Text needs the font database, which needs a GUI application; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] != QLatin1String("--png"))
        return render(args[0], args[1], 1, Qt::black) ? 0 : 1;
    if (args.size() >= 3 && args[0] == QLatin1String("--png"))
        return renderPngs(args[1], args.mid(2)) ? 0 : 1;
    std::fprintf(stderr, "usage: korrelin_render SOURCE.svg TARGET.bmp\n"
                         "       korrelin_render --png TARGET_DIR SOURCE.svg...\n");
    return 2;
}
