// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/qt/desktop_wallpapers.h"

#include <QDBusInterface>
#include <QDBusReply>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <cstdlib>
#include <map>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace orvanta::platform {

namespace {

constexpr int kToolTimeoutMs = 5000;

QString fileUri(const std::filesystem::path& file) {
    return QUrl::fromLocalFile(QString::fromStdString(file.string())).toString();
}

// Runs a desktop's settings tool; its standard output, or nothing when it
// could not run or failed.
std::optional<QString> runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(kToolTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// ---------------------------------------------------------------- GNOME

// org.gnome.desktop.background: the picture for the light and the dark
// style, its placement and the colour around it.
class GnomeWallpaper : public DesktopWallpaper {
public:
    std::string desktopName() const override { return "GNOME"; }

    bool saveUserBackground() override {
        saved_.clear();
        for (const char* key : kKeys) {
            // A key the desktop's version lacks (picture-uri-dark before
            // GNOME 42) is left alone.
            if (auto value = gsettings({QStringLiteral("get"), kSchema, QString::fromLatin1(key)})) saved_[key] = *value;
        }
        return saved_.count("picture-uri") != 0;
    }

    bool showPicture(const std::filesystem::path& picture) override {
        bool shown = true;
        for (const auto& [key, value] : std::map<std::string, QString>{{"picture-options", QStringLiteral("centered")},
                                                                      {"primary-color", QStringLiteral("#000000")},
                                                                      {"color-shading-type", QStringLiteral("solid")},
                                                                      {"picture-uri", fileUri(picture)},
                                                                      {"picture-uri-dark", fileUri(picture)}}) {
            if (saved_.count(key) == 0 && key != "picture-uri") continue;
            shown &= gsettings({QStringLiteral("set"), kSchema, QString::fromStdString(key), value}).has_value();
        }
        return shown;
    }

    bool restoreUserBackground() override {
        bool restored = true;
        for (const auto& [key, value] : saved_) {
            restored &= gsettings({QStringLiteral("set"), kSchema, QString::fromStdString(key), value}).has_value();
        }
        return restored;
    }

private:
    static std::optional<QString> gsettings(const QStringList& arguments) {
        return runTool(QStringLiteral("gsettings"), arguments);
    }
    static constexpr const char* kKeys[] = {"picture-uri", "picture-uri-dark", "picture-options", "primary-color",
                                            "color-shading-type"};
    const QString kSchema = QStringLiteral("org.gnome.desktop.background");
    std::map<std::string, QString> saved_;  // key -> value as gsettings prints it
};

// ---------------------------------------------------------------- KDE

// Plasma's desktops through its scripting interface: the wallpaper plugin
// and the image plugin's picture, fill mode (6: centred) and colour.
class PlasmaWallpaper : public DesktopWallpaper {
public:
    std::string desktopName() const override { return "KDE Plasma"; }

    bool saveUserBackground() override {
        const auto out = evaluate(QStringLiteral(
            "var lines = []; desktops().forEach(function (d) {"
            "  var plugin = d.wallpaperPlugin;"
            "  d.currentConfigGroup = ['Wallpaper', 'org.kde.image', 'General'];"
            "  lines.push([plugin, d.readConfig('Image'), d.readConfig('FillMode'), d.readConfig('Color')].join('\\t'));"
            "}); print(lines.join('\\n'));"));
        if (!out) return false;
        saved_ = out->split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return true;
    }

    bool showPicture(const std::filesystem::path& picture) override {
        return evaluate(QStringLiteral("desktops().forEach(function (d) {"
                                       "  d.wallpaperPlugin = 'org.kde.image';"
                                       "  d.currentConfigGroup = ['Wallpaper', 'org.kde.image', 'General'];"
                                       "  d.writeConfig('Image', %1); d.writeConfig('FillMode', 6);"
                                       "  d.writeConfig('Color', '#000000');"
                                       "});")
                            .arg(quoted(fileUri(picture))))
            .has_value();
    }

    bool restoreUserBackground() override {
        QString script = QStringLiteral("var ds = desktops();");
        for (qsizetype i = 0; i < saved_.size(); ++i) {
            const QStringList fields = saved_[i].split(QLatin1Char('\t'));
            if (fields.size() != 4) continue;
            script += QStringLiteral(
                          "if (ds[%1]) { ds[%1].currentConfigGroup = ['Wallpaper', 'org.kde.image', 'General'];"
                          " ds[%1].writeConfig('Image', %2); ds[%1].writeConfig('FillMode', %3);"
                          " ds[%1].writeConfig('Color', %4); ds[%1].wallpaperPlugin = %5; }")
                          .arg(i)
                          .arg(quoted(fields[1]), quoted(fields[2]), quoted(fields[3]), quoted(fields[0]));
        }
        return evaluate(script).has_value();
    }

private:
    static std::optional<QString> evaluate(const QString& script) {
        QDBusInterface shell(QStringLiteral("org.kde.plasmashell"), QStringLiteral("/PlasmaShell"),
                             QStringLiteral("org.kde.PlasmaShell"));
        if (!shell.isValid()) return std::nullopt;
        const QDBusReply<QString> reply = shell.call(QStringLiteral("evaluateScript"), script);
        if (!reply.isValid()) return std::nullopt;
        return reply.value();
    }
    // A JavaScript string literal.
    static QString quoted(QString text) {
        text.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    }
    QStringList saved_;  // plugin, image, fill mode, colour of each desktop
};

// ---------------------------------------------------------------- XFCE

// xfce4-desktop's backdrop of every monitor and workspace: the picture
// (last-image), its style (1: centred), the colour style (0: solid) and the
// first colour (rgba1).
class XfceWallpaper : public DesktopWallpaper {
public:
    std::string desktopName() const override { return "XFCE"; }

    bool saveUserBackground() override {
        saved_.clear();
        const auto listing = xfconf({QStringLiteral("-l")});
        if (!listing) return false;
        for (const QString& property : listing->split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (!property.endsWith(QLatin1String("/last-image"))) continue;
            const QString backdrop = property.chopped(static_cast<qsizetype>(std::string_view("last-image").size()));
            for (const char* leaf : {"last-image", "image-style", "color-style", "rgba1"}) {
                const QString name = backdrop + QLatin1String(leaf);
                saved_[name] = xfconf({QStringLiteral("-p"), name});  // nothing: the property did not exist
            }
        }
        return !saved_.empty();
    }

    bool showPicture(const std::filesystem::path& picture) override {
        bool shown = true;
        for (const auto& [name, value] : saved_) {
            if (name.endsWith(QLatin1String("/last-image"))) {
                shown &= set(name, {QStringLiteral("-t"), QStringLiteral("string"), QStringLiteral("-s"),
                                    QString::fromStdString(picture.string())});
            } else if (name.endsWith(QLatin1String("/image-style"))) {
                shown &= set(name, {QStringLiteral("-t"), QStringLiteral("int"), QStringLiteral("-s"), QStringLiteral("1")});
            } else if (name.endsWith(QLatin1String("/color-style"))) {
                shown &= set(name, {QStringLiteral("-t"), QStringLiteral("int"), QStringLiteral("-s"), QStringLiteral("0")});
            } else {
                shown &= set(name, rgba({0, 0, 0, 1}));
            }
        }
        return shown;
    }

    bool restoreUserBackground() override {
        bool restored = true;
        for (const auto& [name, value] : saved_) {
            if (!value) {
                restored &= xfconf({QStringLiteral("-p"), name, QStringLiteral("-r")}).has_value();
            } else if (name.endsWith(QLatin1String("/rgba1"))) {
                QStringList numbers;
                for (const QString& line : value->split(QLatin1Char('\n'))) {
                    bool isNumber = false;
                    line.trimmed().toDouble(&isNumber);
                    if (isNumber) numbers << line.trimmed();
                }
                if (numbers.size() == 4) restored &= set(name, rgbaTexts(numbers));
            } else {
                const QString type = name.endsWith(QLatin1String("/last-image")) ? QStringLiteral("string")
                                                                                 : QStringLiteral("int");
                restored &= set(name, {QStringLiteral("-t"), type, QStringLiteral("-s"), *value});
            }
        }
        return restored;
    }

private:
    static std::optional<QString> xfconf(QStringList arguments) {
        arguments.prepend(QStringLiteral("xfce4-desktop"));
        arguments.prepend(QStringLiteral("-c"));
        return runTool(QStringLiteral("xfconf-query"), arguments);
    }
    // Sets a property, creating it when it does not exist yet.
    static bool set(const QString& name, const QStringList& typedValues) {
        return xfconf(QStringList{QStringLiteral("-p"), name, QStringLiteral("-n")} + typedValues).has_value();
    }
    static QStringList rgba(std::initializer_list<double> parts) {
        QStringList numbers;
        for (double part : parts) numbers << QString::number(part);
        return rgbaTexts(numbers);
    }
    static QStringList rgbaTexts(const QStringList& numbers) {
        QStringList typed;
        for (int i = 0; i < numbers.size(); ++i) typed << QStringLiteral("-t") << QStringLiteral("double");
        for (const QString& number : numbers) typed << QStringLiteral("-s") << number;
        return typed;
    }
    std::map<QString, std::optional<QString>> saved_;
};

// ---------------------------------------------------------------- X11

// The root window's background, on a connection of its own: the picture
// centred on a black pixmap of the screen's size, announced to other
// programs through _XROOTPMAP_ID and ESETROOT_PMAP_ID as desktop tools do.
class X11RootWallpaper : public DesktopWallpaper {
public:
    explicit X11RootWallpaper(Display* display) : display_(display) {}
    ~X11RootWallpaper() override {
        if (pixmap_ != None) XFreePixmap(display_, pixmap_);
        XCloseDisplay(display_);
    }
    X11RootWallpaper(const X11RootWallpaper&) = delete;
    X11RootWallpaper& operator=(const X11RootWallpaper&) = delete;

    std::string desktopName() const override { return "X11"; }

    bool saveUserBackground() override {
        savedPixmap_ = rootPixmapProperty();
        return true;
    }

    bool showPicture(const std::filesystem::path& picture) override {
        const QImage image = QImage(QString::fromStdString(picture.string())).convertToFormat(QImage::Format_RGB32);
        const int screen = DefaultScreen(display_);
        Visual* visual = DefaultVisual(display_, screen);
        const int depth = DefaultDepth(display_, screen);
        // The picture's pixels go as they are: 32-bit words 0xRRGGBB.
        if (image.isNull() || depth < 24 || visual->red_mask != 0xFF0000 || visual->blue_mask != 0xFF) return false;
        const auto width = static_cast<unsigned>(DisplayWidth(display_, screen));
        const auto height = static_cast<unsigned>(DisplayHeight(display_, screen));
        const Window root = RootWindow(display_, screen);
        const Pixmap pixmap = XCreatePixmap(display_, root, width, height, static_cast<unsigned>(depth));
        GC gc = XCreateGC(display_, pixmap, 0, nullptr);
        XSetForeground(display_, gc, BlackPixel(display_, screen));
        XFillRectangle(display_, pixmap, gc, 0, 0, width, height);
        XImage* pixels = XCreateImage(display_, visual, static_cast<unsigned>(depth), ZPixmap, 0,
                                      const_cast<char*>(reinterpret_cast<const char*>(image.constBits())),
                                      static_cast<unsigned>(image.width()), static_cast<unsigned>(image.height()), 32,
                                      static_cast<int>(image.bytesPerLine()));
        // The picture holds 32 bits a pixel whatever the server keeps (a
        // depth-24 screen may store 24): Xlib converts on the way.
        pixels->bits_per_pixel = 32;
        pixels->byte_order = LSBFirst;
        XInitImage(pixels);
        XPutImage(display_, pixmap, gc, pixels, 0, 0, (static_cast<int>(width) - image.width()) / 2,
                  (static_cast<int>(height) - image.height()) / 2, static_cast<unsigned>(image.width()),
                  static_cast<unsigned>(image.height()));
        pixels->data = nullptr;  // the QImage's
        XDestroyImage(pixels);
        XFreeGC(display_, gc);
        setRootBackground(pixmap);
        if (pixmap_ != None) XFreePixmap(display_, pixmap_);
        pixmap_ = pixmap;
        return true;
    }

    bool restoreUserBackground() override {
        // The user's pixmap may be gone with the program that made it: then
        // the server's own background comes back.
        const int errors = errorsWhile([&] { setRootBackground(savedPixmap_); });
        if (errors != 0) setRootBackground(None);
        if (pixmap_ != None) XFreePixmap(display_, pixmap_);
        pixmap_ = None;
        XSync(display_, False);
        return true;
    }

private:
    Window root() const { return DefaultRootWindow(display_); }

    Pixmap rootPixmapProperty() const {
        Atom type = None;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        Pixmap found = None;
        if (XGetWindowProperty(display_, root(), XInternAtom(display_, "_XROOTPMAP_ID", False), 0, 1, False, XA_PIXMAP,
                               &type, &format, &items, &after, &data) == Success &&
            type == XA_PIXMAP && format == 32 && items == 1) {
            found = static_cast<Pixmap>(*reinterpret_cast<unsigned long*>(data));
        }
        if (data != nullptr) XFree(data);
        return found;
    }

    // The root's background (None: the server's default) and the two
    // properties that name it.
    void setRootBackground(Pixmap pixmap) {
        XSetWindowBackgroundPixmap(display_, root(), pixmap);
        for (const char* name : {"_XROOTPMAP_ID", "ESETROOT_PMAP_ID"}) {
            const Atom atom = XInternAtom(display_, name, False);
            if (pixmap == None) {
                XDeleteProperty(display_, root(), atom);
            } else {
                XChangeProperty(display_, root(), atom, XA_PIXMAP, 32, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(&pixmap), 1);
            }
        }
        XClearWindow(display_, root());
        XSync(display_, False);
    }

    // Runs the requests and counts the X errors they caused.
    template <class Requests>
    int errorsWhile(Requests requests) {
        static int counted = 0;
        counted = 0;
        XSync(display_, False);
        const auto previous = XSetErrorHandler([](Display*, XErrorEvent*) {
            ++counted;
            return 0;
        });
        requests();
        XSync(display_, False);
        XSetErrorHandler(previous);
        return counted;
    }

    Display* display_;
    Pixmap pixmap_ = None;
    Pixmap savedPixmap_ = None;
};

bool hasTool(const char* name) { return !QStandardPaths::findExecutable(QString::fromLatin1(name)).isEmpty(); }

}  // namespace

std::unique_ptr<DesktopWallpaper> gnomeWallpaper() { return std::make_unique<GnomeWallpaper>(); }

std::unique_ptr<DesktopWallpaper> xfceWallpaper() { return std::make_unique<XfceWallpaper>(); }

std::unique_ptr<DesktopWallpaper> x11RootWallpaper() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return nullptr;
    return std::make_unique<X11RootWallpaper>(display);
}

std::unique_ptr<DesktopWallpaper> desktopWallpaperForSession() {
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toUpper();
    if ((desktop.contains(QLatin1String("GNOME")) || desktop.contains(QLatin1String("UNITY")) ||
         desktop.contains(QLatin1String("BUDGIE"))) &&
        hasTool("gsettings")) {
        return gnomeWallpaper();
    }
    if (desktop.contains(QLatin1String("KDE"))) return std::make_unique<PlasmaWallpaper>();
    if (desktop.contains(QLatin1String("XFCE")) && hasTool("xfconf-query")) return xfceWallpaper();
    if (QGuiApplication::platformName() == QLatin1String("xcb")) return x11RootWallpaper();
    return nullptr;
}

}  // namespace orvanta::platform
