<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Alerts</name>
    <message>
        <source>Configuration file loaded successfully! 
Change the configuration than pres the Save button</source>
        <translation>配置文件加载成功！
请修改配置，然后按“保存”按钮</translation>
    </message>
    <message>
        <source>Error when trying to detect the type of file!</source>
        <translation>检测文件类型时出错！</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>未知的文件格式！</translation>
    </message>
    <message>
        <source>File path too long!</source>
        <translation>文件路径过长！</translation>
    </message>
    <message>
        <source>Configuration file saved successfully! 
Safely remove your camera and load the new configuration</source>
        <translation>配置文件保存成功！
请安全移除相机，然后载入新配置</translation>
    </message>
    <message>
        <source>Configuration file NOT saved! 
Problem during file writing!</source>
        <translation>配置文件未保存！
写入文件时出现问题！</translation>
    </message>
</context>
<context>
    <name>CameraChoiceDialog</name>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>, not supported</source>
        <translation>，不受支持</translation>
    </message>
    <message>
        <source> (open now)</source>
        <translation>（当前已打开）</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>应用到已连接的相机</translation>
    </message>
    <message>
        <source>The settings shown in the window are saved into each camera you tick. Each camera keeps its own identification, and each file is read back and checked after its save.</source>
        <translation>窗口中显示的设置将保存到您勾选的每台相机中。每台相机保留各自的识别信息，每个文件在保存后都会被读回并校验。</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>应用(&amp;A)</translation>
    </message>
</context>
<context>
    <name>CameraCopyRun</name>
    <message>
        <source>saved and checked</source>
        <translation>已保存并校验</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>未通过校验：读回的文件包含不同的设置</translation>
    </message>
    <message>
        <source>not saved: %1</source>
        <translation>未保存：%1</translation>
    </message>
    <message>
        <source>not saved: another program is using its file</source>
        <translation>未保存：其文件正被其他程序使用</translation>
    </message>
    <message>
        <source>not saved: its file cannot be read (%1)</source>
        <translation>未保存：无法读取其文件（%1）</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>已拒绝：%1</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>未尝试</translation>
    </message>
    <message>
        <source>not saved: the card is not answering; what it holds now is unknown</source>
        <translation>未保存：存储卡无响应；卡上现有内容未知</translation>
    </message>
</context>
<context>
    <name>CameraMonitor</name>
    <message>
        <source>Cannot mount %1: mounting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>无法挂载 %1：挂载存储卡需要桌面的存储服务（UDisks2），但该服务未运行</translation>
    </message>
    <message>
        <source>Cannot eject %1: ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>无法弹出 %1：弹出存储卡需要桌面的存储服务（UDisks2），但该服务未运行</translation>
    </message>
    <message>
        <source>it is still in use; close what uses it and try again</source>
        <translation>它仍在使用中；请关闭正在使用它的程序，然后重试</translation>
    </message>
    <message>
        <source>the desktop&apos;s policy does not allow it</source>
        <translation>桌面的策略不允许此操作</translation>
    </message>
    <message>
        <source>it is not mounted</source>
        <translation>它未挂载</translation>
    </message>
    <message>
        <source>the storage service did not answer</source>
        <translation>存储服务没有响应</translation>
    </message>
    <message>
        <source>Could not mount %1: %2</source>
        <translation>无法挂载 %1：%2</translation>
    </message>
    <message>
        <source>%1 is mounted at %2, but %3</source>
        <translation>%1 已挂载到 %2，但%3</translation>
    </message>
    <message>
        <source>holds no camera configuration file</source>
        <translation>其中没有相机配置文件</translation>
    </message>
    <message>
        <source>is not answering</source>
        <translation>没有响应</translation>
    </message>
    <message>
        <source>Could not eject %1: %2</source>
        <translation>无法弹出 %1：%2</translation>
    </message>
    <message>
        <source>%1 is unmounted and may be removed, but its drive could not be powered off: %2</source>
        <translation>%1 已卸载，可以移除，但无法关闭其驱动器的电源：%2</translation>
    </message>
</context>
<context>
    <name>ConfigDocument</name>
    <message>
        <source>%1 (removed)</source>
        <translation>%1（已移除）</translation>
    </message>
</context>
<context>
    <name>CopyResultsDialog</name>
    <message>
        <source>Saved and checked on 1 camera</source>
        <translation>已在 1 台相机上保存并校验</translation>
    </message>
    <message>
        <source>Not saved on 1 camera</source>
        <translation>有 1 台相机未保存</translation>
    </message>
    <message>
        <source>Saved and checked on %1 of %2 cameras</source>
        <translation>已在 %2 台相机中的 %1 台上保存并校验</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>应用到已连接的相机</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>&amp;Eject All</source>
        <translation>全部弹出(&amp;E)</translation>
    </message>
    <message>
        <source>Unmount and power off the cameras saved, so that they can be removed</source>
        <translation>卸载已保存的相机并关闭其电源，以便将其移除</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>Kavelo Manager Help</source>
        <translation>Kavelo Manager 帮助</translation>
    </message>
    <message>
        <source>About Kavelo Manager</source>
        <translation>关于 Kavelo Manager</translation>
    </message>
    <message>
        <source>Edits the configuration file of a Kavelo video camera: open the CONFIG.TXT on its memory card, change its settings, save it back.</source>
        <translation>编辑 Kavelo 摄像机的配置文件：打开其存储卡上的 CONFIG.TXT，更改设置，然后保存回去。</translation>
    </message>
</context>
<context>
    <name>LoadMessages</name>
    <message>
        <source>Camera revision not supported! 
Actually supported only revision v00%1</source>
        <translation>不支持此相机硬件版本！
目前仅支持硬件版本 v00%1</translation>
    </message>
    <message>
        <source>Camera firmware too old! 
Supported from version %1 to %2</source>
        <translation>相机固件版本过旧！
支持的版本为 %1 至 %2</translation>
    </message>
    <message>
        <source>Unknown file format!</source>
        <translation>未知的文件格式！</translation>
    </message>
    <message>
        <source>Firmware v%1 not supported!
Kavelo Manager needs to be updated! 
Supported from version %2 to %3</source>
        <translation>不支持固件 v%1！
需要更新 Kavelo Manager！
支持的版本为 %2 至 %3</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>larger than %1 bytes, so no camera configuration file</source>
        <translation>大于 %1 字节，因此不是相机配置文件</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Kavelo Manager</source>
        <translation>Kavelo Manager</translation>
    </message>
    <message>
        <source>Drag the CONFIG.TXT file from the camera onto this area to load it</source>
        <translation>将相机中的 CONFIG.TXT 文件拖到此区域即可加载</translation>
    </message>
    <message>
        <source>Drop the camera&apos;s
CONFIG.TXT here</source>
        <translation>将相机的
CONFIG.TXT 拖放到此处</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>Connect the camera or open its CONFIG.TXT</source>
        <translation>连接相机或打开其 CONFIG.TXT</translation>
    </message>
    <message>
        <source>Load…</source>
        <translation>加载…</translation>
    </message>
    <message>
        <source>Open the camera&apos;s CONFIG.TXT</source>
        <translation>打开相机的 CONFIG.TXT</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Write the settings back into the loaded file</source>
        <translation>将设置写回已加载的文件</translation>
    </message>
    <message>
        <source>Set defaults</source>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>Put every setting back to its default; the file changes when you save</source>
        <translation>将所有设置恢复为默认值；保存时才会更改文件</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Video modes</source>
        <translation>视频模式</translation>
    </message>
    <message>
        <source>Video mode 1</source>
        <translation>视频模式 1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Video mode 2</source>
        <translation>视频模式 2</translation>
    </message>
    <message>
        <source>60 and 50 fps record only at 1280x720 wide and 848x480: choosing one of them at another resolution switches to 1280x720 wide, and choosing 1920x1080 or 1280x720 narrow at 60 or 50 fps switches to 30 fps. While loop recording is on, clips are 3 or 5 minutes long.</source>
        <translation>60 fps 和 50 fps 仅能以 1280x720 宽视角和 848x480 录制：在其他分辨率下选择其中之一会切换到 1280x720 宽视角，在 60 或 50 fps 下选择 1920x1080 或 1280x720 窄视角会切换到 30 fps。开启循环录影时，每段视频长 3 或 5 分钟。</translation>
    </message>
    <message>
        <source>Photo, picture and clock</source>
        <translation>拍照、画面与时钟</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>Date and clock</source>
        <translation>日期与时钟</translation>
    </message>
    <message>
        <source>The computer&apos;s time is written into the file when you save, and the camera takes it on when it loads the file.</source>
        <translation>保存时会将电脑的时间写入文件，相机载入该文件时即采用此时间。</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画面</translation>
    </message>
    <message>
        <source>Custom gains:</source>
        <translation>自定义增益：</translation>
    </message>
    <message>
        <source>The gains of the chosen custom white balance</source>
        <translation>所选自定义白平衡的增益</translation>
    </message>
    <message>
        <source>The gains belong to the custom white balance chosen above and can be edited only while one of Custom 1 to 3 is chosen: 100 to 999, press Return to apply.</source>
        <translation>这些增益属于上方所选的自定义白平衡，仅在选择了自定义 1 至 3 之一时才能编辑：取值 100 至 999，按回车键应用。</translation>
    </message>
    <message>
        <source>Camera and power</source>
        <translation>相机与电源</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>电源</translation>
    </message>
    <message>
        <source>Start recording:</source>
        <translation>开始录影：</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets power</source>
        <translation>相机通电后立即开始录影</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>When external power is connected</source>
        <translation>接通外部电源时</translation>
    </message>
    <message>
        <source>When the power button is pressed</source>
        <translation>按下电源键时</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>两种情况下</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>移动侦测</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>相机</translation>
    </message>
    <message>
        <source>TV, web camera and card</source>
        <translation>电视、网络摄像头与存储卡</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>打开(&amp;O)…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save a &amp;Copy…</source>
        <translation>保存副本(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Apply Settings From…</source>
        <translation>从文件应用设置(&amp;A)…</translation>
    </message>
    <message>
        <source>Apply &amp;to Connected Cameras…</source>
        <translation>应用到已连接的相机(&amp;T)…</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>还原(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Kavelo Manager &amp;Help</source>
        <translation>Kavelo Manager 帮助(&amp;H)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About Kavelo Manager</source>
        <translation>关于 Kavelo Manager(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Eject camera</source>
        <translation>弹出相机(&amp;E)</translation>
    </message>
    <message>
        <source>Quit; asks first when there are unsaved changes</source>
        <translation>退出；有未保存的更改时会先询问</translation>
    </message>
</context>
<context>
    <name>MyAppDelegate</name>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Saved a copy as %1</source>
        <translation>已将副本保存为 %1</translation>
    </message>
    <message>
        <source>Revert to %1 as the card holds it?</source>
        <translation>要将 %1 还原为存储卡上的当前内容吗？</translation>
    </message>
    <message>
        <source>Your changes since it was opened or saved are lost.</source>
        <translation>自打开或上次保存以来所做的更改将会丢失。</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Apply Settings From</source>
        <translation>从文件应用设置</translation>
    </message>
    <message>
        <source>Took the settings of %1: %2 changed</source>
        <translation>已采用 %1 的设置：更改了 %2</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 项设置</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 项设置</translation>
    </message>
    <message>
        <source>Ejecting a card needs the desktop&apos;s storage service (UDisks2), which is not running</source>
        <translation>弹出存储卡需要桌面的存储服务（UDisks2），但该服务未运行</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>弹出</translation>
    </message>
    <message>
        <source>Unmount the card and power it off, so that it can be removed</source>
        <translation>卸载存储卡并关闭其电源，以便将其移除</translation>
    </message>
    <message>
        <source>%1 can be removed now</source>
        <translation>现在可以移除 %1 了</translation>
    </message>
    <message>
        <source>Camera %1 connected</source>
        <translation>相机 %1 已连接</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Card %1 is not mounted</source>
        <translation>存储卡 %1 未挂载</translation>
    </message>
    <message>
        <source>Mount and open</source>
        <translation>挂载并打开</translation>
    </message>
    <message>
        <source>Card %1 is not answering</source>
        <translation>存储卡 %1 无响应</translation>
    </message>
    <message>
        <source>Keep my settings</source>
        <translation>保留我的设置</translation>
    </message>
    <message>
        <source>No camera to eject: open its file first, or plug in only one</source>
        <translation>没有可弹出的相机：请先打开其文件，或只连接一台相机</translation>
    </message>
    <message>
        <source>Ejecting %1…</source>
        <translation>正在弹出 %1…</translation>
    </message>
    <message>
        <source>Applying the settings…</source>
        <translation>正在应用设置…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply to Connected Cameras</source>
        <translation>应用到已连接的相机</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>正在保存 %1…</translation>
    </message>
    <message>
        <source>not saved: </source>
        <translation>未保存：</translation>
    </message>
    <message>
        <source>saved and checked</source>
        <translation>已保存并校验</translation>
    </message>
    <message>
        <source>not checked: the file read back holds other settings</source>
        <translation>未通过校验：读回的文件包含不同的设置</translation>
    </message>
    <message>
        <source>another program changed its file since it was opened; Save asks what to do</source>
        <translation>打开后其文件已被其他程序更改；保存时会询问如何处理</translation>
    </message>
    <message>
        <source>its file was deleted since it was opened; Save asks what to do</source>
        <translation>打开后其文件已被删除；保存时会询问如何处理</translation>
    </message>
    <message>
        <source>another camera&apos;s file is there now</source>
        <translation>该位置现在是另一台相机的文件</translation>
    </message>
    <message>
        <source>another program is using its file</source>
        <translation>其文件正被其他程序使用</translation>
    </message>
    <message>
        <source>the card is not answering; what it holds now is unknown</source>
        <translation>存储卡无响应；卡上现有内容未知</translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>是否保存对 %1 的更改？</translation>
    </message>
    <message>
        <source>The settings in the window differ from the file. Your changes are lost if you don&apos;t save them.</source>
        <translation>窗口中的设置与文件不同。如果不保存，您的更改将会丢失。</translation>
    </message>
    <message>
        <source>Firmware info: </source>
        <translation>固件信息：</translation>
    </message>
    <message>
        <source>Revision info: </source>
        <translation>硬件版本：</translation>
    </message>
    <message>
        <source>	 Camera time:</source>
        <translation>	 相机时间：</translation>
    </message>
    <message>
        <source>. </source>
        <translation>。</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新加载</translation>
    </message>
    <message>
        <source>Open That Camera&apos;s File</source>
        <translation>打开该相机的文件</translation>
    </message>
    <message>
        <source>%1 was deleted since it was opened.</source>
        <translation>%1 在打开后已被删除。</translation>
    </message>
    <message>
        <source>Save makes it again with the settings in this window.</source>
        <translation>保存时将用此窗口中的设置重新创建该文件。</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened.</source>
        <translation>%1 在打开后已被其他程序更改。</translation>
    </message>
    <message>
        <source>Overwrite replaces that change with the settings in this window. Reload shows what the file holds now; your changes are lost.</source>
        <translation>“覆盖”会用此窗口中的设置替换该更改。“重新加载”会显示文件当前的内容，您的更改将会丢失。</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>There is no room on the card for the safety copy that a save writes first.</source>
        <translation>存储卡上没有足够的空间来存放保存时首先写入的安全副本。</translation>
    </message>
    <message>
        <source>The new settings fit in the space %1 already takes, so they can be written over it directly. If the card is pulled out or the camera loses power in those milliseconds, %1 may be left damaged.</source>
        <translation>新设置可以放入 %1 已占用的空间，因此可以直接覆盖写入。如果在这几毫秒内拔出存储卡或相机断电，%1 可能会损坏。</translation>
    </message>
    <message>
        <source>Write in Place</source>
        <translation>就地写入</translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>OpenPanel</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>Text files (*.[tT][xX][tT])</source>
        <translation>文本文件 (*.[tT][xX][tT])</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Open camera configuration</source>
        <translation>打开相机配置</translation>
    </message>
    <message>
        <source>Save a copy of the settings</source>
        <translation>保存设置副本</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Video mode 1</source>
        <translation>视频模式 1</translation>
    </message>
    <message>
        <source>Video mode 2</source>
        <translation>视频模式 2</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>宽</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>窄</translation>
    </message>
    <message>
        <source>60 fps</source>
        <translation>60 fps</translation>
    </message>
    <message>
        <source>50 fps</source>
        <translation>50 fps</translation>
    </message>
    <message>
        <source>30 fps</source>
        <translation>30 fps</translation>
    </message>
    <message>
        <source>25 fps</source>
        <translation>25 fps</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Rotated 180°</source>
        <translation>旋转 180°</translation>
    </message>
    <message>
        <source>Year/Month/Day</source>
        <translation>年/月/日</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>日/月/年</translation>
    </message>
    <message>
        <source>Month/Day/Year</source>
        <translation>月/日/年</translation>
    </message>
    <message>
        <source>Keep the camera&apos;s clock</source>
        <translation>保留相机时钟</translation>
    </message>
    <message>
        <source>Set the clock from this computer</source>
        <translation>按本电脑时间设置时钟</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>1920x1080 narrow</source>
        <translation>1920x1080 窄视角</translation>
    </message>
    <message>
        <source>1920x1080 wide</source>
        <translation>1920x1080 宽视角</translation>
    </message>
    <message>
        <source>1280x720 narrow</source>
        <translation>1280x720 窄视角</translation>
    </message>
    <message>
        <source>1280x720 wide</source>
        <translation>1280x720 宽视角</translation>
    </message>
    <message>
        <source>848x480 narrow</source>
        <translation>848x480 窄视角</translation>
    </message>
    <message>
        <source>848x480 wide</source>
        <translation>848x480 宽视角</translation>
    </message>
    <message>
        <source>0.25s</source>
        <translation>0.25 秒</translation>
    </message>
    <message>
        <source>0.5s</source>
        <translation>0.5 秒</translation>
    </message>
    <message>
        <source>1s</source>
        <translation>1 秒</translation>
    </message>
    <message>
        <source>2s</source>
        <translation>2 秒</translation>
    </message>
    <message>
        <source>5s</source>
        <translation>5 秒</translation>
    </message>
    <message>
        <source>10s</source>
        <translation>10 秒</translation>
    </message>
    <message>
        <source>30s</source>
        <translation>30 秒</translation>
    </message>
    <message>
        <source>60s</source>
        <translation>60 秒</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 分钟</translation>
    </message>
    <message>
        <source>5 min</source>
        <translation>5 分钟</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 分钟</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 分钟</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最长</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>2304x1296 (3 MP)</source>
        <translation>2304x1296 (3 MP)</translation>
    </message>
    <message>
        <source>1920x1080 (2 MP)</source>
        <translation>1920x1080 (2 MP)</translation>
    </message>
    <message>
        <source>1280x720 (1 MP)</source>
        <translation>1280x720 (1 MP)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>1 s</source>
        <translation>1 秒</translation>
    </message>
    <message>
        <source>3 s</source>
        <translation>3 秒</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 分钟</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Wide angle</source>
        <translation>广角</translation>
    </message>
    <message>
        <source>Fisheye</source>
        <translation>鱼眼</translation>
    </message>
    <message>
        <source>Mass storage</source>
        <translation>大容量存储</translation>
    </message>
    <message>
        <source>Web camera</source>
        <translation>网络摄像头</translation>
    </message>
    <message>
        <source>5 s</source>
        <translation>5 秒</translation>
    </message>
    <message>
        <source>10 s</source>
        <translation>10 秒</translation>
    </message>
    <message>
        <source>30 s</source>
        <translation>30 秒</translation>
    </message>
    <message>
        <source>60 s</source>
        <translation>60 秒</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>日光</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>阴天</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>钨丝灯</translation>
    </message>
    <message>
        <source>Fluorescent</source>
        <translation>荧光灯</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>自定义 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>自定义 2</translation>
    </message>
    <message>
        <source>Custom 3</source>
        <translation>自定义 3</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>黑白</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>复古</translation>
    </message>
    <message>
        <source>No control changes it; it is kept as the file has it</source>
        <translation>没有控件可更改此项；保留文件中的值</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>The picture size of the video and, in its lowest bit, the field of view</source>
        <translation>视频的画面尺寸，其最低位表示视角</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Pictures per second; 60 and 50 fps record at 1280x720 wide and 848x480 only</source>
        <translation>每秒的画面数；60 fps 和 50 fps 仅能以 1280x720 宽视角和 848x480 录制</translation>
    </message>
    <message>
        <source>Time lapse</source>
        <translation>延时摄影</translation>
    </message>
    <message>
        <source>Records one frame per interval; Off records normally</source>
        <translation>每个间隔录制一帧；关闭时正常录影</translation>
    </message>
    <message>
        <source>Time lapse custom value</source>
        <translation>延时摄影自定义值</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>录音</translation>
    </message>
    <message>
        <source>Records sound with the video</source>
        <translation>录影时同时录制声音</translation>
    </message>
    <message>
        <source>Clip length</source>
        <translation>分段时长</translation>
    </message>
    <message>
        <source>The length of each video file; loop recording allows 3 or 5 minutes</source>
        <translation>每个视频文件的时长；循环录影时可选 3 或 5 分钟</translation>
    </message>
    <message>
        <source>Loop recording</source>
        <translation>循环录影</translation>
    </message>
    <message>
        <source>When the card is full, the oldest clip is overwritten</source>
        <translation>存储卡已满时，覆盖最早的视频片段</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>画面方向</translation>
    </message>
    <message>
        <source>Rotated 180° for a camera mounted upside down</source>
        <translation>相机倒装时将画面旋转 180°</translation>
    </message>
    <message>
        <source>Time stamp</source>
        <translation>时间水印</translation>
    </message>
    <message>
        <source>Prints the date and time into the picture</source>
        <translation>在画面上印上日期和时间</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>画质</translation>
    </message>
    <message>
        <source>Higher quality records more data per second</source>
        <translation>画质越高，每秒记录的数据越多</translation>
    </message>
    <message>
        <source>High dynamic range</source>
        <translation>高动态范围</translation>
    </message>
    <message>
        <source>Evens out bright and dark parts of the picture</source>
        <translation>平衡画面中的亮部和暗部</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>文件格式</translation>
    </message>
    <message>
        <source>The kind of file the video is recorded into</source>
        <translation>录制视频所用的文件类型</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>日期格式</translation>
    </message>
    <message>
        <source>The order of year, month and day in the date line</source>
        <translation>日期行中年、月、日的顺序</translation>
    </message>
    <message>
        <source>Camera clock</source>
        <translation>相机时钟</translation>
    </message>
    <message>
        <source>Whether a save sets the camera&apos;s clock to this computer&apos;s time</source>
        <translation>保存时是否将相机时钟设为本电脑的时间</translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation>开机模式</translation>
    </message>
    <message>
        <source>The mode the camera is in after switching on</source>
        <translation>相机开机后所处的模式</translation>
    </message>
    <message>
        <source>Photo size</source>
        <translation>照片尺寸</translation>
    </message>
    <message>
        <source>The size of each photo</source>
        <translation>每张照片的尺寸</translation>
    </message>
    <message>
        <source>Takes one photo per interval; Off takes single photos</source>
        <translation>每个间隔拍摄一张照片；关闭时拍摄单张照片</translation>
    </message>
    <message>
        <source>Prints the date and time into the photo</source>
        <translation>在照片上印上日期和时间</translation>
    </message>
    <message>
        <source>Power-on delay</source>
        <translation>开机延时</translation>
    </message>
    <message>
        <source>How long the camera waits after power comes on</source>
        <translation>通电后相机等待的时间</translation>
    </message>
    <message>
        <source>Auto off</source>
        <translation>自动关机</translation>
    </message>
    <message>
        <source>Switches off after this time without use</source>
        <translation>闲置达到此时间后关机</translation>
    </message>
    <message>
        <source>Record on external power</source>
        <translation>接通外部电源时录影</translation>
    </message>
    <message>
        <source>Starts recording as soon as the camera gets external power</source>
        <translation>相机接通外部电源后立即开始录影</translation>
    </message>
    <message>
        <source>Record at power button</source>
        <translation>按电源键开机时录影</translation>
    </message>
    <message>
        <source>Starts recording when the power button switches the camera on</source>
        <translation>用电源键开机时开始录影</translation>
    </message>
    <message>
        <source>Off when unplugged</source>
        <translation>断开电源时关机</translation>
    </message>
    <message>
        <source>Switches off when external power is disconnected</source>
        <translation>断开外部电源时关机</translation>
    </message>
    <message>
        <source>Recording light</source>
        <translation>录影指示灯</translation>
    </message>
    <message>
        <source>The light that shows the camera is recording</source>
        <translation>表示相机正在录影的指示灯</translation>
    </message>
    <message>
        <source>USB charging</source>
        <translation>USB 充电</translation>
    </message>
    <message>
        <source>Charges from a computer&apos;s USB port</source>
        <translation>通过电脑的 USB 端口充电</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>镜头</translation>
    </message>
    <message>
        <source>The lens fitted to the camera, so that the picture is corrected for it</source>
        <translation>相机所装的镜头，画面将据此校正</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>光源频率</translation>
    </message>
    <message>
        <source>The mains frequency, against flicker under artificial light</source>
        <translation>电网频率，用于消除人造光源下的画面闪烁</translation>
    </message>
    <message>
        <source>USB mode</source>
        <translation>USB 模式</translation>
    </message>
    <message>
        <source>What the camera is when plugged into a computer</source>
        <translation>相机连接到电脑时的工作方式</translation>
    </message>
    <message>
        <source>Web camera orientation</source>
        <translation>网络摄像头画面方向</translation>
    </message>
    <message>
        <source>Rotated 180° for a web camera mounted upside down</source>
        <translation>网络摄像头倒装时将画面旋转 180°</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>电视制式</translation>
    </message>
    <message>
        <source>The TV standard of the video output</source>
        <translation>视频输出的电视制式</translation>
    </message>
    <message>
        <source>TV aspect ratio</source>
        <translation>电视画面比例</translation>
    </message>
    <message>
        <source>The shape of the picture on a TV</source>
        <translation>画面在电视上的宽高比</translation>
    </message>
    <message>
        <source>Card format</source>
        <translation>存储卡格式</translation>
    </message>
    <message>
        <source>The file system the camera formats its card with; firmware 2.18 and later</source>
        <translation>相机格式化存储卡时使用的文件系统；需要固件 2.18 或更高版本</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>移动侦测</translation>
    </message>
    <message>
        <source>Records when something moves</source>
        <translation>检测到物体移动时录影</translation>
    </message>
    <message>
        <source>Motion timeout</source>
        <translation>移动侦测超时</translation>
    </message>
    <message>
        <source>Stops recording this long after the motion ends</source>
        <translation>移动停止后经过此时间停止录影</translation>
    </message>
    <message>
        <source>Motion sensitivity</source>
        <translation>移动侦测灵敏度</translation>
    </message>
    <message>
        <source>How little movement starts a recording</source>
        <translation>多细微的移动即可触发录影</translation>
    </message>
    <message>
        <source>White balance</source>
        <translation>白平衡</translation>
    </message>
    <message>
        <source>Colour correction for the light; Custom 1 to 3 use their own gains</source>
        <translation>根据光源校正色彩；自定义 1 至 3 使用各自的增益</translation>
    </message>
    <message>
        <source>Colour effect</source>
        <translation>色彩效果</translation>
    </message>
    <message>
        <source>Pictures in colour, in black and white, or in sepia</source>
        <translation>彩色、黑白或复古色调的画面</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光</translation>
    </message>
    <message>
        <source>Brighter to the right, darker to the left</source>
        <translation>向右更亮，向左更暗</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>对比度</translation>
    </message>
    <message>
        <source>Stronger contrast to the right</source>
        <translation>向右对比度更强</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Stronger colours to the right</source>
        <translation>向右色彩更浓</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>锐度</translation>
    </message>
    <message>
        <source>Sharper edges to the right</source>
        <translation>向右边缘更锐利</translation>
    </message>
    <message>
        <source>Red gain</source>
        <translation>红色增益</translation>
    </message>
    <message>
        <source>Green gain</source>
        <translation>绿色增益</translation>
    </message>
    <message>
        <source>Blue gain</source>
        <translation>蓝色增益</translation>
    </message>
    <message>
        <source>The red gain of this custom white balance, 100 to 999</source>
        <translation>此自定义白平衡的红色增益，100 至 999</translation>
    </message>
    <message>
        <source>The green gain of this custom white balance, 100 to 999</source>
        <translation>此自定义白平衡的绿色增益，100 至 999</translation>
    </message>
    <message>
        <source>The blue gain of this custom white balance, 100 to 999</source>
        <translation>此自定义白平衡的蓝色增益，100 至 999</translation>
    </message>
    <message>
        <source>Starts recording when the camera gets external power, when its power button switches it on, or both</source>
        <translation>相机接通外部电源时、按电源键开机时或两者皆可时开始录影</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>视野</translation>
    </message>
    <message>
        <source>Wide or narrow picture</source>
        <translation>宽或窄的画面</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>%1 (kavelo-config: %2)</source>
        <translation>%1（kavelo-config：%2）</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a caption before its control</comment>
        <translation>%1：</translation>
    </message>
</context>
<context>
    <name>StatusMessages</name>
    <message>
        <source>no camera identifiers, so no camera&apos;s configuration file</source>
        <translation>没有相机识别信息，因此不是相机的配置文件</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>已加载 %1</translation>
    </message>
    <message>
        <source>Not loaded: %1: %2</source>
        <translation>未加载：%1：%2</translation>
    </message>
    <message>
        <source> Save still writes %1.</source>
        <translation> 保存仍将写入 %1。</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>Not saved: %1: %2; the file is as it was</source>
        <translation>未保存：%1：%2；文件保持原样</translation>
    </message>
    <message>
        <source>the card is full</source>
        <translation>存储卡已满</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows</source>
        <translation>文件将超出此系统允许的大小</translation>
    </message>
    <message>
        <source>the card is write-protected</source>
        <translation>存储卡处于写保护状态</translation>
    </message>
    <message>
        <source>you may not write this file</source>
        <translation>您无权写入此文件</translation>
    </message>
    <message>
        <source>the card was removed or cannot be reached</source>
        <translation>存储卡已被移除或无法访问</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>无法写入文件</translation>
    </message>
    <message>
        <source>%1: %2 does not record at %3</source>
        <translation>%1：%2 不支持以 %3 录制</translation>
    </message>
    <message>
        <source>%1: %2 lowered to %3 because %4 is on; Save writes it</source>
        <translation>%1：由于已开启%4，%2已降至 %3；保存时写入此值</translation>
    </message>
    <message>
        <source>. </source>
        <translation>。</translation>
    </message>
    <message>
        <source>Not saved: %1 is in use by another program; try again in a moment</source>
        <translation>未保存：%1 正被其他程序使用；请稍后重试</translation>
    </message>
    <message>
        <source>Not saved: the card holding %1 is not answering; what it holds now is unknown. Take it out and put it in again, then Save</source>
        <translation>未保存：存放 %1 的存储卡无响应；卡上现有内容未知。请取出存储卡并重新插入，然后保存</translation>
    </message>
    <message>
        <source>Not saved: %1 is now another camera&apos;s file (%2); these settings stay in the window</source>
        <translation>未保存：%1 现在是另一台相机的文件（%2）；这些设置保留在窗口中</translation>
    </message>
    <message>
        <source>no camera identifiers</source>
        <translation>没有相机识别信息</translation>
    </message>
    <message>
        <source>%1 was changed %2by another program.</source>
        <translation>%2%1 已被其他程序更改。</translation>
    </message>
    <message>
        <source>on the card </source>
        <translation>存储卡上的 </translation>
    </message>
    <message>
        <source>%1 was deleted %2by another program.</source>
        <translation>%1 已被其他程序%2删除。</translation>
    </message>
    <message>
        <source>from the card </source>
        <translation>从存储卡中</translation>
    </message>
    <message>
        <source>The card %1 was removed: Save cannot write %2 until it is back</source>
        <translation>存储卡 %1 已被移除：在重新插入之前无法保存 %2</translation>
    </message>
    <message>
        <source>The card %1 is back: Save writes %2 again</source>
        <translation>存储卡 %1 已重新插入：可以再次保存 %2</translation>
    </message>
    <message>
        <source>clip length</source>
        <translation>分段时长</translation>
    </message>
    <message>
        <source>loop recording</source>
        <translation>循环录影</translation>
    </message>
</context>
</TS>
