// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the program's windows come and go. A window is loaded (created; its load handler
// runs), shown, hidden, and unloaded (its unload handler runs, then it is destroyed).
// Showing or hiding a window that is not loaded loads it first. The close box unloads.
// Game code reaches a window only through its holder, as "the window if loaded".

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

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
    // Where the client area's top-left corner stands, or stood when the window was last shown.
    // A window shown again comes back there: some window managers (GNOME's) move a hidden
    // window to its frame's corner, and Qt would take that for its new place.
    QPoint clientPlace() const { return isVisible() ? geometry().topLeft() : m_place; }
    void setVisible(bool visible) override;

signals:
    void unloaded();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_unloading = false;
    QPoint m_place;
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

    // A window loaded again comes back where it was when it was unloaded.
    T& load()
    {
        if (!m_form) {
            m_form = m_factory();
            if (m_place)
                m_form->placeClientAt(m_place->x(), m_place->y());
            QObject::connect(m_form, &Form::unloaded, m_form, [this] {
                m_place = m_form->clientPlace();
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
    std::optional<QPoint> m_place;
};
