#include "app/artwork/Artwork.h"
#include "platform/Gbk.h"
#include "screens/NewsDialog.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    installGameArtwork();
    const std::string name = platform::utf8ToGbk("小vu");
    NewsDialog welcome(platform::utf8ToGbk("雄心勃勃的") + name + platform::utf8ToGbk("来到了北京!发财是唯一的目标!"));
    welcome.runModal();
    return 0;
}
