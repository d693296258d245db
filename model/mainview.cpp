#include "model/mainview.h"

#include "model/listlines.h"

MainView ReloadAll(SetsBuffer& buffer, EditState& state)
{
    MainView view;
    state.layout = LayoutOf(buffer);
    view.layout = state.layout;
    view.stepLines = StepListLines(buffer, state.layout);
    state.CurrentStep = 0;
    view.step = LoadStepControls(buffer, state.CurrentStep);
    view.annualLines = AnnualListLines(buffer, state.layout);
    state.CurrentAnnual = 0;
    view.annual = LoadAnnualControls(buffer, state.layout, state.CurrentAnnual);
    view.status = LoadStatusControls(buffer);
    view.stepNumbers = RecordNumbers(state.layout.StepCount);
    view.annualNumbers = RecordNumbers(state.layout.AnnualCount);
    return view;
}
