// Control actions: each stores its sender's choice in mCF, with the refresh
// that the change needs, through the form that binds the control from the
// settings table.
#include "MyAppDelegate.h"

#include "SettingsForm.h"

// clang-format off
void MyAppDelegate::syncDateTime(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::lensType(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::artificialLightFreq(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::recordingIndicator(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::usbDataCharging(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::powerOnDefaults(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::dateTimeFormat(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::powerOnAutoRecord(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::powerOnDelay(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::powerOffStandBy(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::powerOffDisconnected(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::motionDetect(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::motionSensitivity(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::motionTimeOut(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::tvVideoOutNTSC_PAL(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::tvVideoOut16_9_4_3(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::webcamMode(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::rotateWebcam180(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::formatFilesystemType(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::videoSoundFileType1(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::loopRecording1(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::audioVolume1(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::videoTimeStamp1(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::videoDataRate1(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::rotateVideo180M1(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::wideDynamicRange1(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::videoClipLength1(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::timelapseVideo1(Slider* sender) { form_->store(sender); }
void MyAppDelegate::videoSoundFileType2(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::loopRecording2(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::audioVolume2(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::videoTimeStamp2(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::videoDataRate2(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::rotateVideo180M2(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::wideDynamicRange2(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::videoClipLength2(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::timelapseVideo2(Slider* sender) { form_->store(sender); }
void MyAppDelegate::rotatePhoto180deg(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::photoFrameSize(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::timeLapsePhotos(Slider* sender) { form_->store(sender); }
void MyAppDelegate::photoTimeStamp(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::sharpness(Slider* sender) { form_->store(sender); }
void MyAppDelegate::exposure(Slider* sender) { form_->store(sender); }
void MyAppDelegate::contrast(Slider* sender) { form_->store(sender); }
void MyAppDelegate::saturation(Slider* sender) { form_->store(sender); }
void MyAppDelegate::colorOption(Slider* sender) { form_->store(sender); }
void MyAppDelegate::whiteBalance(Slider* sender) { form_->store(sender); }
void MyAppDelegate::whiteBalanceCustomRedSet(NumberField* sender) { form_->store(sender); }
void MyAppDelegate::whiteBalanceCustomGreenSet(NumberField* sender) { form_->store(sender); }
void MyAppDelegate::whiteBalanceCustomBlueSet(NumberField* sender) { form_->store(sender); }
void MyAppDelegate::fovM1(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::videoResolutionM1(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::videoFrameRateM1(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::fovM2(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::videoResolutionM2(RadioMatrix* sender) { form_->store(sender); }
void MyAppDelegate::videoFrameRateM2(RadioMatrix* sender) { form_->store(sender); }
// clang-format on
