<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AboutPage</name>
    <message>
        <source>雨中的玻璃。</source>
        <translation>Glass in the rain.</translation>
    </message>
    <message>
        <source>雨水落在玻璃上：雨滴流淌、汇合，映出后面的画面；不时有闪电和雷声。</source>
        <translation>Rain falls on a pane of glass: drops run, merge and mirror the picture behind them, with lightning and thunder now and then.</translation>
    </message>
</context>
<context>
    <name>ControlPage</name>
    <message>
        <source>定期重置屏幕</source>
        <translation>Reset the screen periodically</translation>
    </message>
    <message>
        <source>间隔(&amp;I):</source>
        <translation>&amp;Interval:</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>选中后，每隔一段时间擦干玻璃上的雨滴，并换下一张背景图片。</source>
        <translation>When checked, the glass is wiped dry from time to time and the next background picture is shown.</translation>
    </message>
    <message>
        <source>两次重置之间的秒数。按住箭头不放，数字会越变越快。</source>
        <translation>Seconds between two resets. Hold an arrow down and the number changes faster and faster.</translation>
    </message>
</context>
<context>
    <name>CpuLoadAndInterruptingOptionsControl</name>
    <message>
        <source>移动鼠标或按任意键时退出(&amp;M)</source>
        <translation>End on &amp;mouse movement or any key</translation>
    </message>
    <message>
        <source>按任意键时退出，忽略鼠标(&amp;K)</source>
        <translation>End on any &amp;key, ignore the mouse</translation>
    </message>
    <message>
        <source>只在按 Esc 键时退出(&amp;O)</source>
        <translation>End &amp;only on the Esc key</translation>
    </message>
    <message>
        <source>屏幕保护程序最多占用多少处理器时间。调低可以让其他程序运行得更快，雨会下得慢一些。</source>
        <translation>The largest share of processor time the screen saver may take. Lower it to leave more for other programs; the rain then falls more slowly.</translation>
    </message>
    <message>
        <source>任何鼠标或键盘操作都会结束屏幕保护程序。</source>
        <translation>Any mouse or keyboard activity ends the screen saver.</translation>
    </message>
    <message>
        <source>移动鼠标不会结束屏幕保护程序，按任意键才会结束。</source>
        <translation>The mouse does not end the screen saver; any key does.</translation>
    </message>
    <message>
        <source>只有 Esc 键能结束屏幕保护程序，鼠标和其他键都被忽略。</source>
        <translation>Only the Esc key ends the screen saver; the mouse and other keys are ignored.</translation>
    </message>
    <message>
        <source>最大处理器占用率(&amp;P):</source>
        <translation>Maximum &amp;processor load:</translation>
    </message>
    <message>
        <source>退出方式</source>
        <translation>Ending the screen saver</translation>
    </message>
</context>
<context>
    <name>DisplayModeSelectionControl</name>
    <message>
        <source>使用当前的显示模式(&amp;C)</source>
        <translation>Use the &amp;current display mode</translation>
    </message>
    <message>
        <source>使用下列指定的模式(&amp;S)</source>
        <translation>Use the mode &amp;selected below</translation>
    </message>
    <message>
        <source>保持桌面现在的分辨率和颜色数。</source>
        <translation>Keeps the desktop's present resolution and colours.</translation>
    </message>
    <message>
        <source>屏幕保护程序运行时切换到下面列表中选定的显示模式。</source>
        <translation>Switches to the display mode selected in the list below while the screen saver runs.</translation>
    </message>
    <message>
        <source>显示器提供的显示模式。</source>
        <translation>The display modes your display offers.</translation>
    </message>
</context>
<context>
    <name>DisplayOptionsPage</name>
    <message>
        <source>显示模式</source>
        <translation>Display mode</translation>
    </message>
    <message>
        <source>背景图片</source>
        <translation>Background pictures</translation>
    </message>
</context>
<context>
    <name>DropsOptionsPage</name>
    <message>
        <source>密度渐强(&amp;G)</source>
        <translation>&amp;Gradually increase density</translation>
    </message>
    <message>
        <source>玻璃上同时落下的雨滴有多少。向右移动，雨下得更密。</source>
        <translation>How many drops fall on the glass. Move it to the right for heavier rain.</translation>
    </message>
    <message>
        <source>选中后，雨从几滴开始，慢慢下到设定的密度。</source>
        <translation>When checked, the rain starts with a few drops and slowly grows to the chosen density.</translation>
    </message>
    <message>
        <source>最小的雨滴有多大。不能大于最大雨滴半径。</source>
        <translation>How large the smallest drops are. It cannot be larger than the largest drop radius.</translation>
    </message>
    <message>
        <source>最大的雨滴有多大。不能小于最小雨滴半径。</source>
        <translation>How large the largest drops are. It cannot be smaller than the smallest drop radius.</translation>
    </message>
    <message>
        <source>风把落下的雨滴吹得多斜。最左边是无风。</source>
        <translation>How far the wind slants the falling drops. The far left is no wind.</translation>
    </message>
    <message>
        <source>雨滴在玻璃上流得多快。上面最快，下面最慢。</source>
        <translation>How fast the drops run down the glass. The top is fastest, the bottom slowest.</translation>
    </message>
    <message>
        <source>风从哪个方向吹来。用鼠标拖动箭头，或用方向键调整。</source>
        <translation>Which way the wind blows. Drag the arrow with the mouse or turn it with the arrow keys.</translation>
    </message>
    <message>
        <source>稠密(&amp;D):</source>
        <translation>&amp;Density:</translation>
    </message>
    <message>
        <source>最小雨滴半径(&amp;N):</source>
        <translation>Mi&amp;nimum drop radius:</translation>
    </message>
    <message>
        <source>最大雨滴半径(&amp;X):</source>
        <translation>Ma&amp;ximum drop radius:</translation>
    </message>
    <message>
        <source>风力(&amp;F):</source>
        <translation>Wind &amp;force:</translation>
    </message>
    <message>
        <source>风向:</source>
        <translation>Wind direction:</translation>
    </message>
    <message>
        <source>总体速度(&amp;S):</source>
        <translation>&amp;Speed:</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;h2&gt;屏幕保护程序设置&lt;/h2&gt;&lt;p&gt;每一页设置屏幕保护程序的一个方面。按&lt;b&gt;确定&lt;/b&gt;保存所有打开过的页面上的更改，按&lt;b&gt;取消&lt;/b&gt;放弃更改。&lt;/p&gt;&lt;h3&gt;雨滴&lt;/h3&gt;&lt;p&gt;雨的密度、雨滴的大小、风力、风向和雨滴流动的速度。最小雨滴半径不能大于最大雨滴半径。&lt;/p&gt;&lt;h3&gt;闪电&lt;/h3&gt;&lt;p&gt;是否显示闪电和闪光，两道闪电之间的最短和最长间隔，以及闪电和闪光的颜色。“高级”对话框中的更改按其确定按钮后立即生效。&lt;/p&gt;&lt;h3&gt;显示&lt;/h3&gt;&lt;p&gt;屏幕保护程序使用的显示模式，以及用作背景的图片。列表为空时，用桌面作背景。&lt;/p&gt;&lt;h3&gt;声音&lt;/h3&gt;&lt;p&gt;雨声和雷声的开关及音量。&lt;/p&gt;&lt;h3&gt;控制&lt;/h3&gt;&lt;p&gt;处理器占用率的上限、结束屏幕保护程序的方式，以及定期重置屏幕。&lt;/p&gt;&lt;p&gt;要查看某个控件的说明，点击“这是什么?”按钮，然后点击该控件，或按 Shift+F1。&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Screen saver settings&lt;/h2&gt;&lt;p&gt;Each page sets one side of the screen saver. &lt;b&gt;OK&lt;/b&gt; keeps the changes made on every page you opened; &lt;b&gt;Cancel&lt;/b&gt; discards them.&lt;/p&gt;&lt;h3&gt;Drops&lt;/h3&gt;&lt;p&gt;The density of the rain, the size of the drops, the wind's force and direction and the speed at which the drops run. The smallest drop radius cannot be larger than the largest.&lt;/p&gt;&lt;h3&gt;Lightning&lt;/h3&gt;&lt;p&gt;Whether bolts and flashes show, the shortest and longest pause between two bolts, and the colours of bolts and flashes. Changes in the Advanced dialogs take effect as soon as you press their OK button.&lt;/p&gt;&lt;h3&gt;Display&lt;/h3&gt;&lt;p&gt;The display mode the screen saver uses and the pictures it shows behind the glass. With an empty list the desktop is shown.&lt;/p&gt;&lt;h3&gt;Sound&lt;/h3&gt;&lt;p&gt;The sound switch and the volumes of the rain and the thunder.&lt;/p&gt;&lt;h3&gt;Control&lt;/h3&gt;&lt;p&gt;The highest processor load, what ends the screen saver, and the periodic reset of the screen.&lt;/p&gt;&lt;p&gt;To learn about a control, press the What's This? button and then the control, or press Shift+F1.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LightningBoltsOptionsDialog</name>
    <message>
        <source>随机选取(&amp;R)</source>
        <translation>&amp;Random</translation>
    </message>
    <message>
        <source>指定颜色(&amp;C)</source>
        <translation>This &amp;colour</translation>
    </message>
    <message>
        <source>改变(&amp;G)...</source>
        <translation>Chan&amp;ge...</translation>
    </message>
    <message>
        <source>闪电颜色详细设置</source>
        <translation>Lightning Bolt Colour</translation>
    </message>
    <message>
        <source>每道闪电随机选取一种颜色。</source>
        <translation>Each bolt gets a colour picked at random.</translation>
    </message>
    <message>
        <source>所有闪电都用下面的颜色。</source>
        <translation>Every bolt has the colour shown here.</translation>
    </message>
    <message>
        <source>打开颜色选择框，选取闪电的颜色。</source>
        <translation>Opens the colour chooser to pick the bolts' colour.</translation>
    </message>
    <message>
        <source>闪电现在的颜色。</source>
        <translation>The bolts' present colour.</translation>
    </message>
</context>
<context>
    <name>LightningFlashesOptionsDialog</name>
    <message>
        <source>闪电背景详细设置</source>
        <translation>Lightning Flash Settings</translation>
    </message>
    <message>
        <source>改变(&amp;G)...</source>
        <translation>Chan&amp;ge...</translation>
    </message>
    <message>
        <source>闪电照亮背景时所用的颜色。</source>
        <translation>The colour the lightning lights the background with.</translation>
    </message>
    <message>
        <source>打开颜色选择框，选取闪光的颜色。</source>
        <translation>Opens the colour chooser to pick the flash's colour.</translation>
    </message>
    <message>
        <source>背景中比这里更亮的部分会在闪电时发光。拖动下面的标记来调整。</source>
        <translation>The parts of the background brighter than this light up in a flash. Drag the marker below the strip to change it.</translation>
    </message>
    <message>
        <source>亮度阈值(&amp;B):</source>
        <translation>&amp;Brightness threshold:</translation>
    </message>
    <message>
        <source>颜色:</source>
        <translation>Colour:</translation>
    </message>
</context>
<context>
    <name>LightningOptionsPage</name>
    <message>
        <source>显示闪电(&amp;B)</source>
        <translation>Show &amp;bolts</translation>
    </message>
    <message>
        <source>闪电照亮背景(&amp;L)</source>
        <translation>&amp;Lightning flashes the background</translation>
    </message>
    <message>
        <source>高级(&amp;V)...</source>
        <translation>Ad&amp;vanced...</translation>
    </message>
    <message>
        <source>高级(&amp;A)...</source>
        <translation>&amp;Advanced...</translation>
    </message>
    <message>
        <source>两道闪电之间最短等待多少秒。</source>
        <translation>The shortest pause between two bolts, in seconds.</translation>
    </message>
    <message>
        <source>两道闪电之间最长等待多少秒。不能短于最小时限。</source>
        <translation>The longest pause between two bolts, in seconds. It cannot be shorter than the shortest pause.</translation>
    </message>
    <message>
        <source>选中后，雨中不时划过闪电，并伴有雷声。</source>
        <translation>When checked, lightning bolts cross the rain now and then, with thunder.</translation>
    </message>
    <message>
        <source>选中后，闪电时背景中明亮的部分会闪光。</source>
        <translation>When checked, the bright parts of the background flash with the lightning.</translation>
    </message>
    <message>
        <source>选择闪电的颜色。</source>
        <translation>Chooses the colour of the bolts.</translation>
    </message>
    <message>
        <source>选择闪光的颜色和亮度阈值。</source>
        <translation>Chooses the colour and brightness threshold of the flashes.</translation>
    </message>
    <message>
        <source>闪电间隔最小时限(&amp;N):</source>
        <translation>Mi&amp;nimum pause between bolts:</translation>
    </message>
    <message>
        <source>闪电间隔最大时限(&amp;X):</source>
        <translation>Ma&amp;ximum pause between bolts:</translation>
    </message>
</context>
<context>
    <name>PropertyPagesSheet</name>
    <message>
        <source>这是什么(&amp;W)?</source>
        <translation>&amp;What's This?</translation>
    </message>
    <message>
        <source>点击此按钮，然后点击任何控件，即可查看它的说明。</source>
        <translation>Press this button, then any control, to read what the control does.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>雨滴</source>
        <translation>Drops</translation>
    </message>
    <message>
        <source>闪电</source>
        <translation>Lightning</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>控制</source>
        <translation>Control</translation>
    </message>
</context>
<context>
    <name>SoundOptionsPage</name>
    <message>
        <source>开启(&amp;E)</source>
        <translation>&amp;Enabled</translation>
    </message>
    <message>
        <source>选中后播放雨声和雷声。没有可用的音频输出时不能选中。</source>
        <translation>When checked, the rain and the thunder are heard. It cannot be checked without an audio output.</translation>
    </message>
    <message>
        <source>雨声的音量。</source>
        <translation>The volume of the rain.</translation>
    </message>
    <message>
        <source>雷声的音量。</source>
        <translation>The volume of the thunder.</translation>
    </message>
    <message>
        <source>雨滴声(&amp;R)</source>
        <translation>&amp;Rain</translation>
    </message>
    <message>
        <source>雷声(&amp;T)</source>
        <translation>&amp;Thunder</translation>
    </message>
</context>
<context>
    <name>WallpaperListEditingControl</name>
    <message>
        <source>固定顺序(&amp;G)</source>
        <translation>In a fixed order (&amp;G)</translation>
    </message>
    <message>
        <source>随机顺序(&amp;N)</source>
        <translation>In a random order (&amp;N)</translation>
    </message>
    <message>
        <source>增加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>移除(&amp;R)</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>屏幕保护程序轮流用作背景的图片。拖动一项可以改变顺序。列表为空时，用桌面作背景。</source>
        <translation>The pictures the screen saver shows behind the glass in turn. Drag an entry to change the order. With an empty list the desktop is shown.</translation>
    </message>
    <message>
        <source>选择一个或多个 BMP 或 JPEG 图片加入列表。</source>
        <translation>Chooses one or more BMP or JPEG pictures to add to the list.</translation>
    </message>
    <message>
        <source>从列表中移除选中的图片。图片文件本身不会被删除。</source>
        <translation>Removes the selected picture from the list. The file itself is not deleted.</translation>
    </message>
    <message>
        <source>每次启动时按列表的顺序换下一张图片。</source>
        <translation>Each start shows the next picture in list order.</translation>
    </message>
    <message>
        <source>每次启动时随机换一张图片。</source>
        <translation>Each start shows a picture picked at random.</translation>
    </message>
    <message>
        <source>每次启动时改变背景:</source>
        <translation>Change the background at every start:</translation>
    </message>
</context>
<context>
    <name>WindDirectionControl</name>
    <message>
        <source>Wind direction</source>
        <translation>Wind direction</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>最小雨滴半径不能大于最大雨滴半径,请重新调整.</source>
        <translation>The minimum drop radius cannot be larger than the maximum drop radius. Please adjust them.</translation>
    </message>
    <message>
        <source>闪电间隔最小时限不能长于闪电间隔最大时限,请重新调整.</source>
        <translation>The minimum pause between bolts cannot be longer than the maximum pause. Please adjust them.</translation>
    </message>
</context>
<context>
    <name>WindowsDialogs</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
