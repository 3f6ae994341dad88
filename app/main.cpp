#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel placeholder("TLV6200");
    placeholder.setWindowTitle("TLV6200");
    placeholder.resize(400, 200);
    placeholder.show();
    return app.exec();
}
