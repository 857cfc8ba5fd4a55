#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Zavro");
    QApplication::setApplicationName("Tidewell");
    QApplication::setApplicationVersion(TIDEWELL_VERSION);

    QLabel window(QObject::tr("Tidewell %1").arg(TIDEWELL_VERSION));
    window.setMinimumSize(480, 320);
    window.setAlignment(Qt::AlignCenter);
    window.show();
    return QApplication::exec();
}
