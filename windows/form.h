// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the program's windows come and go. A window is loaded (created; its load handler
// runs), shown, hidden, and unloaded (its unload handler runs, then it is destroyed).
// Showing or hiding a window that is not loaded loads it first. The close box unloads.
// Game code reaches a window only through its holder, as "the window if loaded".

#include <QPointer>
#include <QWidget>
#include <functional>

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(Qt::WindowFlags extraFlags = {});

    // Runs the unload handlers, hides the window and destroys it once control returns to
    // the event loop. From then on it no longer counts as loaded. A second call does nothing.
    void unload();

    // The window's client area, fixed: it cannot be resized.
    void setClientSize(int width, int height);
    // Puts the client area's top-left corner, not the frame's, at a point of the screen.
    void placeClientAt(int left, int top);

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_unloading = false;
};

template <class T>
class Loaded {
public:
    using Factory = std::function<T*()>;
    using Handler = std::function<void(T&)>;

    Loaded(Factory factory, Handler onLoad = {}, std::function<void()> onUnload = {})
        : m_factory(std::move(factory)), m_onLoad(std::move(onLoad)), m_onUnload(std::move(onUnload))
    {
    }
    Loaded(const Loaded&) = delete;
    Loaded& operator=(const Loaded&) = delete;

    T* get() const { return m_form; }
    bool isLoaded() const { return m_form != nullptr; }

    T& load()
    {
        if (!m_form) {
            m_form = m_factory();
            QObject::connect(m_form, &Form::unloaded, m_form, [this] {
                m_form = nullptr;
                if (m_onUnload)
                    m_onUnload();
            });
            if (m_onLoad)
                m_onLoad(*m_form);
        }
        return *m_form;
    }

    // Shows the window and brings it forward (loading it first when needed).
    void show()
    {
        T& form = load();
        const bool wasVisible = form.isVisible();
        form.show();
        if (wasVisible) {
            form.raise();
            form.activateWindow();
        }
    }

    void hide() { load().hide(); }

    void unload()
    {
        if (m_form)
            m_form->unload();
    }

private:
    Factory m_factory;
    Handler m_onLoad;
    std::function<void()> m_onUnload;
    T* m_form = nullptr;
};
