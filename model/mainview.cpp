#include "model/mainview.h"

#include "model/listlines.h"

#include <algorithm>

MainView ReloadAll(SetsBuffer& buffer, EditState& state)
{
    state.currentStep = 0;
    state.currentAnnual = 0;
    return ShowAll(buffer, state);
}

MainView ShowLoadedProgram(SetsBuffer& buffer, EditState& state)
{
    return ReloadAll(buffer, state);
}

MainView ShowAll(SetsBuffer& buffer, EditState& state)
{
    MainView view;
    state.layout = LayoutOf(buffer);
    view.layout = state.layout;
    view.stepLines = StepListLines(buffer, state.layout);
    state.currentStep = std::clamp(state.currentStep, 0, state.layout.stepCount - 1);
    view.step = LoadStepControls(buffer, state.currentStep);
    view.annualLines = AnnualListLines(buffer, state.layout);
    state.currentAnnual = std::clamp(state.currentAnnual, 0, state.layout.annualCount - 1);
    view.annual = LoadAnnualControls(buffer, state.layout, state.currentAnnual);
    view.status = LoadStatusControls(buffer);
    view.stepNumbers = RecordNumbers(state.layout.stepCount);
    view.annualNumbers = RecordNumbers(state.layout.annualCount);
    return view;
}
