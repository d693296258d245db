#include "model/programeditor.h"

#include "model/listlines.h"

namespace {
constexpr int PmItem = 1;
constexpr int RelayOnItem = 0; // the step's relay lists "On" first
constexpr int YesItem = 1;     // the status lists put "No"/"Off" first
} // namespace

ProgramEditor::ProgramEditor(SetsBuffer& buffer)
    : buffer(buffer)
{
}

MainView ProgramEditor::reloadAll()
{
    return ::ReloadAll(buffer, edit);
}

MainView ProgramEditor::showLoaded()
{
    return ShowLoadedProgram(buffer, edit);
}

MainView ProgramEditor::showAt(int step, int annual)
{
    edit.currentStep = step;
    edit.currentAnnual = annual;
    return ShowAll(buffer, edit);
}

// What the current step's controls show now, without the rewrite that showing a cleared Am step
// makes: the controls were shown with it already.
StepControls ProgramEditor::shownStep() const
{
    SetsBuffer copy = buffer;
    return LoadStepControls(copy, edit.currentStep);
}

void ProgramEditor::chooseStep(int step)
{
    edit.currentStep = step;
}

void ProgramEditor::setDayCode(int item)
{
    if (item == shownStep().days)
        return;
    SetStepDayCode(buffer, edit.currentStep, item);
}

void ProgramEditor::setHour(int item)
{
    if (item == shownStep().hour)
        return;
    SetStepHour(buffer, edit.currentStep, item);
}

void ProgramEditor::setMinute(int item)
{
    if (item == shownStep().minute)
        return;
    SetStepMinute(buffer, edit.currentStep, item);
}

void ProgramEditor::setAmPm(int item)
{
    SetStepPm(buffer, edit.currentStep, item == PmItem);
}

void ProgramEditor::setRelay(int item)
{
    SetStepRelayOn(buffer, edit.currentStep, item == RelayOnItem);
}

std::vector<std::string> ProgramEditor::stepLines()
{
    return StepListLines(buffer, edit.layout);
}

StepControls ProgramEditor::stepControls()
{
    return LoadStepControls(buffer, edit.currentStep);
}

void ProgramEditor::chooseAnnual(int annual)
{
    edit.currentAnnual = annual;
}

void ProgramEditor::setAnnualField(AnnualField field, int item)
{
    if (item == annualControls().dates[static_cast<std::size_t>(field)])
        return;
    SetAnnualField(buffer, edit.layout, edit.currentAnnual, field, item);
}

std::vector<std::string> ProgramEditor::annualLines() const
{
    return AnnualListLines(buffer, edit.layout);
}

AnnualControls ProgramEditor::annualControls() const
{
    return LoadAnnualControls(buffer, edit.layout, edit.currentAnnual);
}

void ProgramEditor::setDst(int item)
{
    SetDst(buffer, item == YesItem);
}

void ProgramEditor::setStatusRelay(int item)
{
    SetRelayOn(buffer, item == YesItem);
}

void ProgramEditor::setElLamp(int item)
{
    SetElLampOn(buffer, item == YesItem);
}

void ProgramEditor::setPulse(int item)
{
    if (item == statusControls().pulse)
        return;
    SetPulse(buffer, item);
}

StatusControls ProgramEditor::statusControls() const
{
    return LoadStatusControls(buffer);
}

void ProgramEditor::erase(EraseChoice choice)
{
    EraseTables(buffer, edit.layout, choice);
}

void ProgramEditor::setLayout(int item)
{
    SetLayoutItem(buffer, item);
}
