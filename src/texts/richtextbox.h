#pragma once

#include <QTextEdit>

namespace klangtruhe {

// A rich text box bound to a catalogue field. The field holds RTF; a text
// that is no RTF (or that the reader refuses) is shown as it is and is only
// rewritten when the user changes it. editedByUser() tells the binding that
// the box now holds something the field should get.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // Shows the field's stored text; counts as no edit.
    void showFieldText(const QString &text);
    // The box's content as RTF, as it goes into the field.
    QString fieldText() const;
    // True when the field's text was read as RTF (false: shown as plain text).
    bool showsRtf() const { return m_showsRtf; }

Q_SIGNALS:
    void editedByUser();

private:
    bool m_loading = false;
    bool m_showsRtf = false;
};

} // namespace klangtruhe
