// The floor for start-up: a bare Qt window holding the same eleven widgets
// as the conversion window, at the same places and with the same captions,
// and nothing else (no fonts, colours, translations, icon or focus chain).
// first_frame_probe.cpp, linked beside it, reports its first frame.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(337, 189);

    // In the conversion window's creation order, in pixels.
    (new QPushButton(QStringLiteral("Copier"), &window))->setGeometry(248, 112, 65, 33);
    (new QLineEdit(&window))->setGeometry(24, 112, 201, 33);
    (new QLineEdit(&window))->setGeometry(216, 64, 81, 24);
    (new QLineEdit(&window))->setGeometry(120, 64, 81, 24);
    (new QLineEdit(&window))->setGeometry(16, 64, 81, 24);
    (new QLabel(QStringLiteral("KZ 2020"), &window))->setGeometry(272, 160, 57, 17);
    (new QLabel(QStringLiteral("Suivant : Tab ou CR  / Effacer tout : Esc"), &window))->setGeometry(16, 160, 209, 17);
    (new QLabel(QStringLiteral("Conversion  D M S => D.ddd"), &window))->setGeometry(72, 16, 177, 17);
    (new QLabel(QStringLiteral("Secondes"), &window))->setGeometry(240, 47, 49, 13);
    (new QLabel(QStringLiteral("Minutes"), &window))->setGeometry(136, 47, 49, 13);
    (new QLabel(QStringLiteral("Degr\u00e9s"), &window))->setGeometry(32, 47, 49, 13);

    window.show();
    return QApplication::exec();
}
