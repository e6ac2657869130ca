// The preview's small find bar: the text to find, whether letter case and
// accents count, and where the search stands ("2 z 7"). It only asks; the
// preview finds, moves between the matches and shows them. Esc closes it
// without closing the preview.
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tarvela {

class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent = nullptr);

    QString text() const;
    bool ignoresCaseAndAccents() const;
    QLineEdit& edit() const { return *edit_; }
    // "n z m", "Nenalezeno" or nothing for an empty text.
    void showPosition(int current, int count);
    void open();

signals:
    void searchChanged();
    void nextWanted();
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* edit_;
    QCheckBox* fold_;
    QLabel* position_;
};

} // namespace tarvela
