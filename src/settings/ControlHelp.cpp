#include "settings/ControlHelp.h"

#include "settings/BoltColourDialogModel.h"
#include "settings/ControlPageModel.h"
#include "settings/CpuLoadControlModel.h"
#include "settings/DisplayModeChoiceModel.h"
#include "settings/DropsPageModel.h"
#include "settings/FlashDialogModel.h"
#include "settings/LightningPageModel.h"
#include "settings/SoundPageModel.h"
#include "settings/WallpaperListEditorModel.h"

#include <algorithm>

namespace ControlHelp {

std::span<const Entry> entries() {
    static const Entry table[] = {
        {"AboutPage", aboutPictureId, "雨中的玻璃。"},
        {"ControlPage", ControlPageModel::resetEnabledId,
         "选中后，每隔一段时间擦干玻璃上的雨滴，并换下一张背景图片。"},
        {"ControlPage", ControlPageModel::resetPeriodSpinId,
         "两次重置之间的秒数。按住箭头不放，数字会越变越快。"},
        {"CpuLoadAndInterruptingOptionsControl", CpuLoadControlModel::loadId,
         "屏幕保护程序最多占用多少处理器时间。调低可以让其他程序运行得更快，雨会下得慢一些。"},
        {"CpuLoadAndInterruptingOptionsControl", CpuLoadControlModel::anyInputId,
         "任何鼠标或键盘操作都会结束屏幕保护程序。"},
        {"CpuLoadAndInterruptingOptionsControl", CpuLoadControlModel::anyKeyId,
         "移动鼠标不会结束屏幕保护程序，按任意键才会结束。"},
        {"CpuLoadAndInterruptingOptionsControl", CpuLoadControlModel::escapeOnlyId,
         "只有 Esc 键能结束屏幕保护程序，鼠标和其他键都被忽略。"},
        {"DisplayModeSelectionControl", DisplayModeChoiceModel::currentModeId,
         "保持桌面现在的分辨率和颜色数。"},
        {"DisplayModeSelectionControl", DisplayModeChoiceModel::listedModeId,
         "屏幕保护程序运行时切换到下面列表中选定的显示模式。"},
        {"DisplayModeSelectionControl", DisplayModeChoiceModel::modeListId,
         "显示器提供的显示模式。"},
        {"DropsOptionsPage", DropsPageModel::densityId,
         "玻璃上同时落下的雨滴有多少。向右移动，雨下得更密。"},
        {"DropsOptionsPage", DropsPageModel::densityRampUpId,
         "选中后，雨从几滴开始，慢慢下到设定的密度。"},
        {"DropsOptionsPage", DropsPageModel::smallestRadiusId,
         "最小的雨滴有多大。不能大于最大雨滴半径。"},
        {"DropsOptionsPage", DropsPageModel::largestRadiusId,
         "最大的雨滴有多大。不能小于最小雨滴半径。"},
        {"DropsOptionsPage", DropsPageModel::windForceId, "风把落下的雨滴吹得多斜。最左边是无风。"},
        {"DropsOptionsPage", DropsPageModel::speedId, "雨滴在玻璃上流得多快。上面最快，下面最慢。"},
        {"DropsOptionsPage", DropsPageModel::windDirectionId,
         "风从哪个方向吹来。用鼠标拖动箭头，或用方向键调整。"},
        {"LightningBoltsOptionsDialog", BoltColourDialogModel::randomColourId,
         "每道闪电随机选取一种颜色。"},
        {"LightningBoltsOptionsDialog", BoltColourDialogModel::chosenColourId,
         "所有闪电都用下面的颜色。"},
        {"LightningBoltsOptionsDialog", BoltColourDialogModel::changeColourId,
         "打开颜色选择框，选取闪电的颜色。"},
        {"LightningBoltsOptionsDialog", BoltColourDialogModel::sampleId, "闪电现在的颜色。"},
        {"LightningFlashesOptionsDialog", FlashDialogModel::sampleId, "闪电照亮背景时所用的颜色。"},
        {"LightningFlashesOptionsDialog", FlashDialogModel::changeColourId,
         "打开颜色选择框，选取闪光的颜色。"},
        {"LightningFlashesOptionsDialog", FlashDialogModel::thresholdId,
         "背景中比这里更亮的部分会在闪电时发光。拖动下面的标记来调整。"},
        {"LightningOptionsPage", LightningPageModel::shortestPauseId,
         "两道闪电之间最短等待多少秒。"},
        {"LightningOptionsPage", LightningPageModel::longestPauseId,
         "两道闪电之间最长等待多少秒。不能短于最小时限。"},
        {"LightningOptionsPage", LightningPageModel::boltsId,
         "选中后，雨中不时划过闪电，并伴有雷声。"},
        {"LightningOptionsPage", LightningPageModel::flashesId,
         "选中后，闪电时背景中明亮的部分会闪光。"},
        {"LightningOptionsPage", LightningPageModel::boltDetailsId, "选择闪电的颜色。"},
        {"LightningOptionsPage", LightningPageModel::flashDetailsId, "选择闪光的颜色和亮度阈值。"},
        {"SoundOptionsPage", SoundPageModel::soundEnabledId,
         "选中后播放雨声和雷声。没有可用的音频输出时不能选中。"},
        {"SoundOptionsPage", SoundPageModel::rainVolumeId, "雨声的音量。"},
        {"SoundOptionsPage", SoundPageModel::thunderVolumeId, "雷声的音量。"},
        {"WallpaperListEditingControl", WallpaperListEditorModel::listId,
         "屏幕保护程序轮流用作背景的图片。拖动一项可以改变顺序。列表为空时，用桌面作背景。"},
        {"WallpaperListEditingControl", WallpaperListEditorModel::addId,
         "选择一个或多个 BMP 或 JPEG 图片加入列表。"},
        {"WallpaperListEditingControl", WallpaperListEditorModel::removeId,
         "从列表中移除选中的图片。图片文件本身不会被删除。"},
        {"WallpaperListEditingControl", WallpaperListEditorModel::fixedOrderId,
         "每次启动时按列表的顺序换下一张图片。"},
        {"WallpaperListEditingControl", WallpaperListEditorModel::randomOrderId,
         "每次启动时随机换一张图片。"},
    };
    return table;
}

const char* guide() {
    return "<h2>屏幕保护程序设置</h2>"
           "<p>每一页设置屏幕保护程序的一个方面。按<b>确定</b>保存所有打开过的页面上的更改，"
           "按<b>取消</b>放弃更改。</p>"
           "<h3>雨滴</h3><p>雨的密度、雨滴的大小、风力、风向和雨滴流动的速度。"
           "最小雨滴半径不能大于最大雨滴半径。</p>"
           "<h3>闪电</h3><p>是否显示闪电和闪光，两道闪电之间的最短和最长间隔，"
           "以及闪电和闪光的颜色。“高级”对话框中的更改按其确定按钮后立即生效。</p>"
           "<h3>显示</h3><p>屏幕保护程序使用的显示模式，以及用作背景的图片。"
           "列表为空时，用桌面作背景。</p>"
           "<h3>声音</h3><p>雨声和雷声的开关及音量。</p>"
           "<h3>控制</h3><p>处理器占用率的上限、结束屏幕保护程序的方式，以及定期重置屏幕。</p>"
           "<p>要查看某个控件的说明，点击“这是什么?”按钮，然后点击该控件，或按 Shift+F1。</p>";
}

const char* textFor(std::string_view part, int controlId) {
    const auto all = entries();
    const auto found = std::find_if(all.begin(), all.end(), [&](const Entry& entry) {
        return entry.part == part && entry.controlId == controlId;
    });
    return found == all.end() ? nullptr : found->text;
}

} // namespace ControlHelp
