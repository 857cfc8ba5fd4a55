#pragma once

#include <QString>

#include <functional>

class CMainUI;
class QWidget;

namespace screens
{

// What a scene gets: a freshly built and shown main window in a private home, and the means to
// wait for it and to save pictures.
class SceneContext
{
public:
    SceneContext(CMainUI* window, QString outDir, QString home);

    CMainUI* Window() const { return m_window; }
    // A folder below the private home (made when missing).
    QString Folder(const QString& relative) const;
    // Saves what the screen shows of widget (the main window when null) as <name>.png.
    void Shot(const QString& name, QWidget* widget = nullptr) const;
    // Runs the event loop until done answers true or timeoutMs passes; answers done().
    static bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 60000);
    // Runs the event loop for ms milliseconds (animations settle, layouts finish).
    static void Settle(int ms = 300);

private:
    CMainUI* m_window = nullptr;
    QString m_outDir;
    QString m_home;
};

using SceneFunction = void (*)(SceneContext&);

// Registers a scene; scenes run in the order of their keys ("10-start", "20-scan", ...).
struct SceneRegistrar
{
    SceneRegistrar(const char* key, SceneFunction function);
};

} // namespace screens

#define TIDEWELL_SCENE(key, function)                                                                        \
    static const screens::SceneRegistrar scene_registrar_##function(key, function)
